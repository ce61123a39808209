#include "messages.h"

#include "acquire.h"

namespace pixmint {

namespace {
constexpr const char* kVersion = "0.1";
}  // namespace

std::string usage_text() {
    return std::string("pixmint (V") + kVersion + "): generate C array source file from image for lvgl.\n" +
           "\nUsage: pixmint.exe [options]\nOptions:\n\t-p <image file>\t\t Image file name.\n\t-f <color-format>\t"
           "Specify the color format, it must be one of following options:\n\t\ttrue-color: true color format, it's "
           "the default format\n\t\ttrue-color-alpha: same as true-color but every pixel has an alpha byte\n\t\t"
           "true-color-chroma-keyed: same as true-color but LV_COLOR_TRANSP pixels will be transparent\n\t-n "
           "<variable-name>\t Specify the name of the image variable\n\t-w <new-width>\t\t Resize the width of the "
           "image. If not provided, the original width will be used\n\t-h <new-height>\t\t Resize the height of the "
           "image. If not provided, the original height will be used\n\t-d <8,16,24>\t\t Specify RGB color "
           "depth\n\t-v\t\t\t Specify if zintra is enabled\n\n";
}

std::string depth_line(Depth depth) { return "color depth: " + std::to_string(static_cast<int>(depth)) + "\n"; }

std::string message(FailureKind kind) {
    switch (kind) {
        case FailureKind::usage: return usage_text();
        case FailureKind::unsupported_color_format: return "Error: Unsupported color format!\n" + usage_text();
        case FailureKind::unsupported_filename: return "Error: Unsupported filename!\n";
        case FailureKind::no_image_path: return "Error: Please select a gif file.\n";
        case FailureKind::unsupported_image_format: return "Error: unsupported image format.\n";
        case FailureKind::zintra_combination:
            return "Err: color depth or alpha channel is not supported on this board.\n\n";
        case FailureKind::svg_open: return "Could not open SVG image.\n";
        case FailureKind::svg_rasterizer: return "Could not init rasterizer.\n";
        case FailureKind::svg_alloc: return "Could not alloc image buffer.\n";
        case FailureKind::image_load: return "Error: Failed to load the image\n";
        case FailureKind::invalid_size: return "Error: Invalid image size.\n";
        case FailureKind::resize_alloc: return "Error: Failed to alloc memory for resize data.\n";
        case FailureKind::size_limit:
            // The second text ends in a line feed and a blank, so the next line printed starts with it.
            return "Error: Image size out of limit. The width and height should not exceed " +
                   std::to_string(kMaxImageSide) + " !\n ";
    }
    return {};
}

}  // namespace pixmint

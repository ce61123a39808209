#include "pixmint/cli/messages.h"

#include "lvforge_version.h"
#include "pixmint/pixels/limits.h"

namespace pixmint {

std::string usage_text() {
    return std::string("pixmint (V") + LVFORGE_VERSION +
           "): generate C array source file from image for lvgl.\n" +
           "\nUsage: pixmint.exe [options]\nOptions:\n\t-p <image file>\t\t Image file name.\n\t-f "
           "<color-format>\t"
           "Specify the color format, it must be one of following options:\n\t\ttrue-color: true color "
           "format, it's "
           "the default format\n\t\ttrue-color-alpha: same as true-color but every pixel has an alpha "
           "byte\n\t\t"
           "true-color-chroma-keyed: same as true-color but LV_COLOR_TRANSP pixels will be transparent\n\t-n "
           "<variable-name>\t Specify the name of the image variable\n\t-w <new-width>\t\t Resize the width "
           "of the "
           "image. If not provided, the original width will be used\n\t-h <new-height>\t\t Resize the height "
           "of the "
           "image. If not provided, the original height will be used\n\t-d <8,16,24>\t\t Specify RGB color "
           "depth\n\t-v\t\t\t Specify if zintra is enabled\n\n";
}

std::string help_text() {
    return usage_text() +
           "More color formats for -f (one block of data whatever LV_COLOR_DEPTH is):\n"
           "\t\tindexed-1, indexed-2, indexed-4, indexed-8: a palette of 2, 4, 16 or 256 colors, then 1, 2, "
           "4 or "
           "8 bit indices\n"
           "\t\tindexed-auto: the smallest of them that holds every color (and alpha) of the image exactly\n"
           "\t\talpha-1, alpha-2, alpha-4, alpha-8: the alpha channel only, in 1, 2, 4 or 8 bits; LVGL "
           "recolors "
           "it\n"
           "\t\traw, raw-alpha, raw-chroma-keyed: the image file as it is, for a decoder registered at run "
           "time\n"
           "\t\trgb565a8 (--lvgl 8 and 9): 16 bit colors, then an alpha byte per pixel; in v8 for "
           "LV_COLOR_DEPTH 16\n"
           "More options:\n"
           "\t--bin\t\t\t Write <name>.bin for LVGL's file system instead of <name>.c; true-color formats "
           "need "
           "-d 8, 16 or 24\n"
           "\t--swap\t\t\t With --bin and -d 16, or rgb565a8: the two color bytes swapped "
           "(LV_COLOR_16_SWAP)\n"
           "\t--dither\t\t Dither where colors are reduced: the 8 and 16 bit sections, the indexed formats\n"
           "\t--preview <file.png>\t Write a PNG of what the device will show at -d (16 when not given)\n"
           "\t--keep-palette\t\t With an indexed format and a palette PNG: its own palette, in its order, "
           "and its own indices\n"
           "\t--lvgl <7|8|9>\t\t The LVGL version whose image layout to write (7 when not given):\n"
           "\t\t7: lv_img_dsc_t, the formats above\n"
           "\t\t8: the same files as 7, plus rgb565a8; --preview draws as v8 does\n"
           "\t\t9: lv_image_dsc_t, v9's own layout and formats, below\n"
           "With --lvgl 9 (one block in a v9 color format; -d, -v and --swap do not apply):\n"
           "\t\tl8, al88, i1, i2, i4, i8, a1, a2, a4, a8, rgb565, rgb565a8, argb8565, rgb888, xrgb8888,\n"
           "\t\targb8888 (the default), raw, raw-alpha; indexed-N and alpha-N mean iN and aN, indexed-auto "
           "the\n"
           "\t\tsmallest iN that holds every color exactly\n"
           "\t--premultiply\t\t Multiply colors by alpha: argb8888, argb8565, rgb565a8 and the palettes\n"
           "\t--align <bytes>\t\t Round each row up to a multiple of 1, 2, 4 ... 1024 bytes (1 when not "
           "given)\n"
           "\t--compress <rle|lz4>\t Compress the data with LVGL's RLE or with LZ4\n"
           "\t--help\t\t\t Print this help\n";
}

std::string depth_line(Depth depth) {
    return "color depth: " + std::to_string(static_cast<int>(depth)) + "\n";
}

std::string same_file_message(std::string_view out_path) {
    return std::string("Error: the output file ").append(out_path).append(" is the input file.\n");
}

std::string preview_is_output_message(std::string_view preview_path) {
    return std::string("Error: the preview file ").append(preview_path).append(" is the output file.\n");
}

std::string message(FailureKind kind) {
    switch (kind) {
        case FailureKind::usage:
            return usage_text();
        case FailureKind::unsupported_color_format:
            return "Error: Unsupported color format!\n" + usage_text();
        case FailureKind::unsupported_filename:
            return "Error: Unsupported filename!\n";
        case FailureKind::no_image_path:
            return "Error: Please select a gif file.\n";
        case FailureKind::unsupported_image_format:
            return "Error: unsupported image format.\n";
        case FailureKind::zintra_combination:
            return "Err: color depth or alpha channel is not supported on this board.\n\n";
        case FailureKind::raw_resize:
            return "Error: raw formats keep the file as it is; -w, -h and -v do not apply.\n";
        case FailureKind::raw_binary:
            return "Error: raw formats keep the file as it is; --bin does not apply.\n";
        case FailureKind::binary_needs_depth:
            return "Error: --bin with a true-color format needs one depth: -d 8, -d 16 or -d 24.\n";
        case FailureKind::swap_needs_16bit_binary:
            return "Error: --swap needs --bin, a true-color format and -d 16.\n";
        case FailureKind::unsupported_lvgl_version:
            return "Error: --lvgl must be 7, 8 or 9.\n";
        case FailureKind::format_not_in_version:
        case FailureKind::option_not_in_version:
            return message(fatal(kind));
        case FailureKind::keep_palette_format:
            return "Error: --keep-palette needs an indexed format: -f indexed-1, indexed-2, indexed-4, "
                   "indexed-8 or indexed-auto.\n";
        case FailureKind::keep_palette_changes:
            return "Error: --keep-palette keeps the image's own indices; -w, -h, -v and --dither do not "
                   "apply.\n";
        case FailureKind::unsupported_align:
            return "Error: --align must be a power of two from 1 to " + std::to_string(kMaxAlign) + ".\n";
        case FailureKind::unsupported_compression:
            return "Error: --compress must be rle or lz4.\n";
        case FailureKind::raw_layout:
            return "Error: raw formats keep the file as it is; --align, --compress and --premultiply do not "
                   "apply.\n";
        case FailureKind::premultiply_needs_alpha:
            return "Error: --premultiply needs a format with color and alpha: argb8888, argb8565, rgb565a8, "
                   "i1, i2, i4 or i8.\n";
        case FailureKind::svg_open:
            return "Could not open SVG image.\n";
        case FailureKind::svg_rasterizer:
            return "Could not init rasterizer.\n";
        case FailureKind::svg_alloc:
            return "Could not alloc image buffer.\n";
        case FailureKind::image_load:
            return "Error: Failed to load the image\n";
        case FailureKind::invalid_size:
            return "Error: Invalid image size.\n";
        case FailureKind::too_large_to_decode:
            return "Error: Image too large to decode.\n";
        case FailureKind::resize_alloc:
            return "Error: Failed to alloc memory for resize data.\n";
        case FailureKind::size_limit:
            // The second text ends in a line feed and a blank, so the next line printed starts with it.
            return "Error: Image size out of limit. The width and height should not exceed " +
                   std::to_string(kMaxImageSide) + " !\n ";
        case FailureKind::lvgl_v7_size_limit:
            return "Error: LVGL v7 images are at most " + std::to_string(kLvglV7MaxSide) +
                   " pixels wide and high.\n";
        case FailureKind::palette_failed:
            return "Error: Failed to build the palette.\n";
        case FailureKind::compress_failed:
            return "Error: Failed to compress the image.\n";
        // These name the image: message(const Failure&, ...) words them.
        case FailureKind::not_palette_png:
        case FailureKind::index_past_palette:
        case FailureKind::palette_too_large:
        case FailureKind::too_many_colors:
            return message(fatal(kind), "the image");
    }
    return {};
}

std::string message(const Failure& failure) {
    const std::string version = std::to_string(failure.lvgl);
    switch (failure.kind) {
        case FailureKind::format_not_in_version:
            return "Error: LVGL " + version + " has no color format " + failure.detail + ".\n";
        case FailureKind::option_not_in_version:
            return "Error: " + failure.detail + " does not apply to LVGL " + version + ".\n";
        default:
            return message(failure.kind);
    }
}

std::string message(const Failure& failure, std::string_view image_path) {
    const PaletteCount& c = failure.count;
    const std::string image = "Error: " + std::string(image_path);
    const auto holds = [](ColorFormat format) {
        return std::string(word_of(format)) + " holds " + std::to_string(std::size_t{1} << bits_of(format));
    };
    switch (failure.kind) {
        case FailureKind::not_palette_png:
            return image + " is not a palette PNG; --keep-palette needs one.\n";
        case FailureKind::index_past_palette:
            return image + " has a pixel of index " + std::to_string(c.index) +
                   ", past the end of its palette of " + std::to_string(c.colors) + " colors.\n";
        case FailureKind::palette_too_large:
            return image + " has a palette of " + std::to_string(c.colors) + " colors; " + holds(c.format) +
                   ".\n";
        case FailureKind::too_many_colors:
            return image + " has " + std::to_string(c.colors) + " colors; " + holds(c.format) + ".\n";
        default:
            return message(failure);
    }
}

}  // namespace pixmint

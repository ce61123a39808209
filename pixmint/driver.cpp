#include "driver.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "acquire.h"
#include "names.h"
#include "path_ops.h"
#include "writer.h"

namespace pixmint {

namespace {

constexpr const char* kVersion = "0.1";

// Substrings that decide the kind of image, searched in this order anywhere in the path.
struct Extension {
    const char* text;
    int type;
};
constexpr Extension kExtensions[] = {
    {".png", kPng}, {".PNG", kPng}, {".bmp", kBmp}, {".BMP", kBmp}, {".jpg", kJpg},
    {".JPG", kJpg}, {".gif", kGif}, {".GIF", kGif}, {".svg", kSvg}, {".SVG", kSvg},
};

int image_type_of(const char* path) {
    for (const auto& e : kExtensions) {
        if (std::strstr(path, e.text) != nullptr) return e.type;
    }
    return 0;
}

// Under -v the zintra GPU handles only some depth / format pairs.
bool zintra_supports(unsigned depth, int cf) {
    switch (depth) {
        case 0: return true;
        case 16: return cf != kTrueColorAlpha;
        case 24: return cf != kTrueColor;
        default: return false;
    }
}

int parse_color_format(const char* word) {
    if (std::strcmp(word, "true-color") == 0) return kTrueColor;
    if (std::strcmp(word, "true-color-alpha") == 0) return kTrueColorAlpha;
    if (std::strcmp(word, "true-color-chroma-keyed") == 0) return kTrueColorChromaKeyed;
    return -1;
}

}  // namespace

void usage() {
    std::printf("pixmint (V%s): generate C array source file from image for lvgl.\n", kVersion);
    std::puts(
        "\nUsage: pixmint.exe [options]\nOptions:\n\t-p <image file>\t\t Image file name.\n\t-f <color-format>\t"
        "Specify the color format, it must be one of following options:\n\t\ttrue-color: true color format, it's "
        "the default format\n\t\ttrue-color-alpha: same as true-color but every pixel has an alpha byte\n\t\t"
        "true-color-chroma-keyed: same as true-color but LV_COLOR_TRANSP pixels will be transparent\n\t-n "
        "<variable-name>\t Specify the name of the image variable\n\t-w <new-width>\t\t Resize the width of the "
        "image. If not provided, the original width will be used\n\t-h <new-height>\t\t Resize the height of the "
        "image. If not provided, the original height will be used\n\t-d <8,16,24>\t\t Specify RGB color "
        "depth\n\t-v\t\t\t Specify if zintra is enabled\n");
}

int parse_command_line(int argc, char** argv, Options& options) {
    if (argc < 2) {
        usage();
        return 1;
    }
    ImageJob& job = options.job;
    const char* name_arg = nullptr;  // the last -n with a usable last component

    opterr = 0;
    optind = 0;  // full re-initialisation, so that the parser can run more than once
    for (int opt; (opt = getopt(argc, argv, kOptionString)) != -1;) {
        switch (opt) {
            case 'p':
                if (optarg[0] == '\0') {
                    usage();
                    return 1;
                }
                options.image_path = optarg;
                break;
            case 'f': {
                if (optarg[0] == '\0') break;
                const int cf = parse_color_format(optarg);
                if (cf < 0) {
                    std::puts("Error: Unsupported color format!");
                    usage();
                    return 1;
                }
                job.cf = cf;
                break;
            }
            case 'n':
                if (optarg[0] == '\0') break;
                if (!lvforge::last_path_component(optarg)) {
                    std::puts("Error: Unsupported filename!");
                    return 1;
                }
                name_arg = optarg;
                break;
            case 'w':
                options.resize.req_width = std::atoi(optarg);
                options.resize.given |= 1u;
                break;
            case 'h':
                options.resize.req_height = std::atoi(optarg);
                options.resize.given |= 2u;
                break;
            case 'd': {
                const int depth = std::atoi(optarg);
                job.depth = static_cast<std::uint16_t>((depth == 8 || depth == 16 || depth == 24) ? depth : 0);
                break;
            }
            case 'v':
                job.premultiply = 1;
                break;
            default:
                usage();
                return 1;
        }
    }

    if (options.image_path == nullptr) {
        std::puts("Error: Please select a gif file.");
        return 1;
    }
    job.img_type = image_type_of(options.image_path);
    if (job.img_type == 0) {
        std::puts("Error: unsupported image format.");
        return 1;
    }
    if (job.premultiply && !zintra_supports(job.depth, job.cf)) {
        std::puts("Err: color depth or alpha channel is not supported on this board.\n");
        return 1;
    }
    static_cast<lvforge::OutputNames&>(job) = lvforge::derive_names(
        options.image_path, name_arg ? std::optional<std::string_view>(name_arg) : std::nullopt);
    return -1;
}

int run(int argc, char** argv) {
    Options options;
    const int early = parse_command_line(argc, argv, options);
    if (early >= 0) return early;

    ImageJob& job = options.job;
    AcquiredImage image = acquire_image(options.image_path, job, options.resize);
    if (image.fatal) {
        release_image(image);
        return 1;
    }
    job.always_zero = 0;
    const int written = create_c_src(job, image.to_write);
    release_image(image);
    return (image.pending_failure || written != 0) ? 1 : 0;
}

}  // namespace pixmint

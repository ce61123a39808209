#include "pixmint/cli/command_line.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "common/paths.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

namespace {

// Substrings that decide the kind of image, searched in this order anywhere in the path.
struct Extension {
    const char* text;
    ImageKind kind;
};
constexpr Extension kExtensions[] = {
    {".png", ImageKind::png}, {".PNG", ImageKind::png}, {".bmp", ImageKind::bmp}, {".BMP", ImageKind::bmp},
    {".jpg", ImageKind::jpg}, {".JPG", ImageKind::jpg}, {".gif", ImageKind::gif}, {".GIF", ImageKind::gif},
    {".svg", ImageKind::svg}, {".SVG", ImageKind::svg},
};

std::optional<ImageKind> image_kind_of(const std::string& path) {
    for (const auto& e : kExtensions) {
        if (path.find(e.text) != std::string::npos) return e.kind;
    }
    return std::nullopt;
}

// Under -v the zintra GPU handles only some depth / format pairs.
bool zintra_supports(Depth depth, ColorFormat format) {
    switch (depth) {
        case Depth::all:
            return true;
        case Depth::bits16:
            return format != ColorFormat::true_color_alpha;
        case Depth::bits24:
            return format != ColorFormat::true_color;
        case Depth::bits8:
            return false;
    }
    return false;
}

// The combinations of the new formats and options that can't be honoured, checked once every
// option has been read.
std::optional<Failure> refusal(const Options& o) {
    const FormatFamily family = family_of(o.format);
    // The file's own indices are kept as they are: nothing may resample, realign or diffuse them.
    if (o.keep_palette && family != FormatFamily::indexed) return fatal(FailureKind::keep_palette_format);
    if (o.keep_palette && (o.width || o.height || o.zintra || o.dither))
        return fatal(FailureKind::keep_palette_changes);
    if (family == FormatFamily::raw && (o.width || o.height || o.zintra))
        return fatal(FailureKind::raw_resize);
    if (family == FormatFamily::raw && o.binary) return fatal(FailureKind::raw_binary);
    // The zintra GPU draws true-colour images only.
    if (o.zintra && family != FormatFamily::true_color) return fatal(FailureKind::zintra_combination);
    if (o.binary && family == FormatFamily::true_color && o.depth == Depth::all) {
        return fatal(FailureKind::binary_needs_depth);
    }
    if (o.swap && !(o.binary && family == FormatFamily::true_color && o.depth == Depth::bits16)) {
        return fatal(FailureKind::swap_needs_16bit_binary);
    }
    return std::nullopt;
}

// The release --lvgl names: exactly "7", "8" or "9".
std::optional<LvglVersion> lvgl_version_of(const char* word) {
    if (std::strcmp(word, "7") == 0) return LvglVersion::v7;
    if (std::strcmp(word, "8") == 0) return LvglVersion::v8;
    if (std::strcmp(word, "9") == 0) return LvglVersion::v9;
    return std::nullopt;
}

// Any other number selects every depth.
Depth depth_of(const char* word) {
    switch (std::atoi(word)) {
        case 8:
            return Depth::bits8;
        case 16:
            return Depth::bits16;
        case 24:
            return Depth::bits24;
        default:
            return Depth::all;
    }
}

}  // namespace

lvforge::Result<Options, Failure> parse_command_line(int argc, char** argv) {
    if (argc < 2) return fatal(FailureKind::usage);
    Options options;
    bool have_path = false;
    std::optional<std::string> name;  // the last -n with a usable last component

    opterr = 0;
    optind = 0;  // full re-initialisation, so that the parser can run more than once
    for (int opt; (opt = ::getopt_long(argc, argv, kOptionString, kLongOptions, nullptr)) != -1;) {
        switch (opt) {
            case 'p':
                if (optarg[0] == '\0') return fatal(FailureKind::usage);
                options.image_path = optarg;
                have_path = true;
                break;
            case 'f': {
                if (optarg[0] == '\0') break;
                const auto format = format_of_word(optarg);
                if (!format) return fatal(FailureKind::unsupported_color_format);
                options.format = *format;
                break;
            }
            case 'n':
                if (optarg[0] == '\0') break;
                if (!lvforge::last_path_component(optarg)) {
                    return fatal(FailureKind::unsupported_filename);
                }
                name = optarg;
                break;
            case 'w':
                options.width = std::atoi(optarg);
                break;
            case 'h':
                options.height = std::atoi(optarg);
                break;
            case 'd':
                options.depth = depth_of(optarg);
                break;
            case 'v':
                options.zintra = true;
                break;
            case kBin:
                options.binary = true;
                break;
            case kSwap:
                options.swap = true;
                break;
            case kDither:
                options.dither = true;
                break;
            case kKeepPalette:
                options.keep_palette = true;
                break;
            case kPreview:
                if (optarg[0] == '\0') return fatal(FailureKind::usage);
                options.preview_path = optarg;
                break;
            case kLvgl: {
                const auto version = lvgl_version_of(optarg);
                if (!version) return fatal(FailureKind::unsupported_lvgl_version);
                options.lvgl = *version;
                break;
            }
            case kHelp:
                options.help = true;
                return options;
            default:
                return fatal(FailureKind::usage);
        }
    }

    if (!have_path) return fatal(FailureKind::no_image_path);
    const auto kind = image_kind_of(options.image_path);
    if (!kind) return fatal(FailureKind::unsupported_image_format);
    options.kind = *kind;
    if (const auto refused = refusal(options)) return *refused;
    if (options.zintra && !zintra_supports(options.depth, options.format)) {
        return fatal(FailureKind::zintra_combination);
    }
    options.names = lvforge::derive_names(options.image_path, name);
    return options;
}

}  // namespace pixmint

#include "pixmint/cli/command_line.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "common/paths.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/limits.h"

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

// Whether `format` holds colour and alpha together, so that --premultiply has colours to scale.
bool has_color_and_alpha(ColorFormat format) {
    return family_of(format) == FormatFamily::indexed || format == ColorFormat::argb8888 ||
           format == ColorFormat::argb8565 || format == ColorFormat::rgb565a8;
}

// The combinations of the new formats and options that can't be honoured, checked once every
// option has been read.
lvforge::Result<void, Failure> refusal(const Options& o) {
    const FormatFamily family = family_of(o.format);
    if (family == FormatFamily::raw && (o.align != 1 || o.compression != Compression::none || o.premultiply))
        return fatal(FailureKind::raw_layout);
    if (o.premultiply && !has_color_and_alpha(o.format)) return fatal(FailureKind::premultiply_needs_alpha);
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
    // rgb565a8 holds one byte order in the C file and the .bin alike; --swap chooses it.
    const bool swappable = (o.binary && family == FormatFamily::true_color && o.depth == Depth::bits16) ||
                           family == FormatFamily::alpha_plane;
    if (o.swap && !swappable) {
        return fatal(FailureKind::swap_needs_16bit_binary);
    }
    return {};
}

// The release --lvgl names: exactly "7", "8" or "9".
std::optional<LvglVersion> lvgl_version_of(const char* word) {
    if (std::strcmp(word, "7") == 0) return LvglVersion::v7;
    if (std::strcmp(word, "8") == 0) return LvglVersion::v8;
    if (std::strcmp(word, "9") == 0) return LvglVersion::v9;
    return std::nullopt;
}

// The alignment --align names: a power of two from 1 to kMaxAlign, in plain decimal digits.
std::optional<unsigned> align_of(const char* word) {
    unsigned value = 0;
    for (const char* c = word; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || value > kMaxAlign) return std::nullopt;
        value = value * 10 + static_cast<unsigned>(*c - '0');
    }
    if (value == 0 || value > kMaxAlign || (value & (value - 1)) != 0) return std::nullopt;
    return value;
}

// The method --compress names: exactly "rle" or "lz4".
std::optional<Compression> compression_of(const char* word) {
    if (std::strcmp(word, "rle") == 0) return Compression::rle;
    if (std::strcmp(word, "lz4") == 0) return Compression::lz4;
    return std::nullopt;
}

// The first option given that the chosen release lacks, and the format word, settled against
// the release once the whole command line has been read (--lvgl may come last).
struct VersionChecks {
    std::string format_word;           // the last non-empty -f
    const char* not_in_v9 = nullptr;   // the first of -d, -v and --swap, as written
    const char* only_in_v9 = nullptr;  // the first of --premultiply, --align and --compress
};

void note(const char*& first, const char* option) {
    if (first == nullptr) first = option;
}

// The format of the run under release `lvgl`: the last -f word's, or the release's default;
// refused when the release has no such format.
lvforge::Result<ColorFormat, Failure> settled_format(const VersionChecks& checks, LvglVersion lvgl) {
    if (!checks.format_word.empty()) {
        const auto format = format_of_word(checks.format_word.c_str(), lvgl);
        if (!format)
            return not_in_version(FailureKind::format_not_in_version, checks.format_word,
                                  static_cast<int>(lvgl));
        return *format;
    }
    // v9 has no format that follows LV_COLOR_DEPTH; every pixel kept as it is.
    return lvgl == LvglVersion::v9 ? ColorFormat::argb8888 : Options{}.format;
}

// The refusal of the first option given that release `lvgl` lacks.
lvforge::Result<void, Failure> version_refusal(const VersionChecks& checks, LvglVersion lvgl) {
    const char* lacking = lvgl == LvglVersion::v9 ? checks.not_in_v9 : checks.only_in_v9;
    if (lacking != nullptr)
        return not_in_version(FailureKind::option_not_in_version, lacking, static_cast<int>(lvgl));
    return {};
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
    VersionChecks checks;

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
                if (!is_format_word(optarg)) return fatal(FailureKind::unsupported_color_format);
                checks.format_word = optarg;
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
                note(checks.not_in_v9, "-d");
                break;
            case 'v':
                options.zintra = true;
                note(checks.not_in_v9, "-v");
                break;
            case kBin:
                options.binary = true;
                break;
            case kSwap:
                options.swap = true;
                note(checks.not_in_v9, "--swap");
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
            case kPremultiply:
                options.premultiply = true;
                note(checks.only_in_v9, "--premultiply");
                break;
            case kAlign: {
                const auto align = align_of(optarg);
                if (!align) return fatal(FailureKind::unsupported_align);
                options.align = *align;
                note(checks.only_in_v9, "--align");
                break;
            }
            case kCompress: {
                const auto compression = compression_of(optarg);
                if (!compression) return fatal(FailureKind::unsupported_compression);
                options.compression = *compression;
                note(checks.only_in_v9, "--compress");
                break;
            }
            case kHelp:
                options.help = true;
                return options;
            default:
                return fatal(FailureKind::usage);
        }
    }

    const auto format = settled_format(checks, options.lvgl);
    if (!format.ok()) return format.error();
    options.format = format.value();
    if (const auto refused = version_refusal(checks, options.lvgl); !refused.ok()) return refused.error();
    if (!have_path) return fatal(FailureKind::no_image_path);
    const auto kind = image_kind_of(options.image_path);
    if (!kind) return fatal(FailureKind::unsupported_image_format);
    options.kind = *kind;
    if (const auto refused = refusal(options); !refused.ok()) return refused.error();
    if (options.zintra && !zintra_supports(options.depth, options.format)) {
        return fatal(FailureKind::zintra_combination);
    }
    options.names = lvforge::derive_names(options.image_path, name);
    return options;
}

}  // namespace pixmint

#include "fuzz/pixmint_choices.h"

namespace lvforge::fuzz {

namespace {

struct FormatWord {
    const char* word;
    Family family;
};
// Every -f word; the choice byte's low four bits index it, and 14 and 15 leave -f out.
constexpr FormatWord kFormats[] = {
    {"true-color", Family::true_color},
    {"true-color-alpha", Family::true_color},
    {"true-color-chroma-keyed", Family::true_color},
    {"indexed-1", Family::indexed},
    {"indexed-2", Family::indexed},
    {"indexed-4", Family::indexed},
    {"indexed-8", Family::indexed},
    {"alpha-1", Family::alpha},
    {"alpha-2", Family::alpha},
    {"alpha-4", Family::alpha},
    {"alpha-8", Family::alpha},
    {"raw", Family::raw},
    {"raw-alpha", Family::raw},
    {"raw-chroma-keyed", Family::raw},
};
constexpr std::size_t kFormatCount = sizeof kFormats / sizeof kFormats[0];

constexpr int kDepths[] = {0, 8, 16, 24};

constexpr PreviewChoice kPreviews[] = {
    PreviewChoice::none,   PreviewChoice::none,      PreviewChoice::none,      PreviewChoice::the_output,
    PreviewChoice::beside, PreviewChoice::in_subdir, PreviewChoice::the_input, PreviewChoice::unwritable,
};

// -1 to 48 from the low seven bits; the top bit says whether the size is given at all.
std::optional<int> size_of(std::uint8_t byte) {
    if ((byte & 0x80) == 0) return std::nullopt;
    return (byte & 0x7f) % 50 - 1;
}

bool is_format(const PixmintChoices& c, const char* word) {
    return c.format != nullptr && std::string(c.format) == word;
}

// Whether the zintra GPU draws this depth and format (-v); the default format is true colour.
bool zintra_draws(const PixmintChoices& c) {
    if (c.family != Family::true_color) return false;
    switch (c.depth) {
        case 0:
            return true;
        case 16:
            return !is_format(c, "true-color-alpha");
        case 24:
            return c.format != nullptr && !is_format(c, "true-color");
        default:
            return false;
    }
}

// Drops or adjusts what pixmint would refuse together.
void make_acceptable(PixmintChoices& c) {
    if (c.family == Family::raw) {
        c.width.reset();
        c.height.reset();
        c.premultiply = false;
        c.binary = false;
    }
    if (c.binary && c.family == Family::true_color && c.depth == 0) c.depth = 16;
    if (c.swap && !(c.binary && c.family == Family::true_color && c.depth == 16)) c.swap = false;
    if (c.premultiply && !zintra_draws(c)) c.premultiply = false;
}

}  // namespace

PixmintChoices decode_choices(std::span<const std::uint8_t, kChoiceBytes> bytes) {
    PixmintChoices c;
    const std::size_t format = bytes[0] & 0x0f;
    if (format < kFormatCount) {
        c.format = kFormats[format].word;
        c.family = kFormats[format].family;
    }
    c.depth = kDepths[bytes[0] >> 4 & 3];
    c.premultiply = (bytes[0] & 0x40) != 0;
    c.dither = (bytes[0] & 0x80) != 0;
    c.binary = (bytes[1] & 0x01) != 0;
    c.swap = (bytes[1] & 0x02) != 0;
    c.preview = kPreviews[bytes[1] >> 2 & 7];
    c.earlier_outputs = (bytes[1] & 0x20) != 0;
    c.as_given = (bytes[1] & 0xc0) == 0xc0;
    c.width = size_of(bytes[2]);
    c.height = size_of(bytes[3]);
    if (!c.as_given) make_acceptable(c);
    return c;
}

std::vector<std::string> option_words(const PixmintChoices& c, const std::string& preview_path) {
    std::vector<std::string> words;
    if (c.format != nullptr) words.insert(words.end(), {"-f", c.format});
    if (c.depth != 0) words.insert(words.end(), {"-d", std::to_string(c.depth)});
    if (c.premultiply) words.emplace_back("-v");
    if (c.dither) words.emplace_back("--dither");
    if (c.binary) words.emplace_back("--bin");
    if (c.swap) words.emplace_back("--swap");
    if (c.width) words.insert(words.end(), {"-w", std::to_string(*c.width)});
    if (c.height) words.insert(words.end(), {"-h", std::to_string(*c.height)});
    if (c.preview != PreviewChoice::none) words.insert(words.end(), {"--preview", preview_path});
    return words;
}

}  // namespace lvforge::fuzz

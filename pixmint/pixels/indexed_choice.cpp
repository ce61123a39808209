#include "pixmint/pixels/indexed_choice.h"

namespace pixmint {

namespace {

// The largest indexed format, the one indexed-auto falls short of when an image has too many
// colours.
constexpr int kMostBits = 8;

ColorFormat indexed_with_bits(int bits) {
    return format_with_bits(FormatFamily::indexed, bits).value_or(ColorFormat::indexed_8);
}

}  // namespace

int bits_holding(std::size_t colors) {
    for (const int bits : {1, 2, 4, 8})
        if (colors <= std::size_t{1} << bits) return bits;
    return 0;
}

lvforge::Result<ChosenIndexed, Failure> keep_own_palette(ColorFormat format, IndexedImage own) {
    const std::size_t entries = own.palette.size();
    if (settled_on_image(format)) format = indexed_with_bits(bits_holding(entries));
    if (entries > std::size_t{1} << bits_of(format))
        return refused_palette(FailureKind::palette_too_large, {.colors = entries, .format = format});
    return ChosenIndexed{format, std::move(own)};
}

lvforge::Result<ChosenIndexed, Failure> index_colors(ColorFormat format, RgbaRows& img, bool dither) {
    if (settled_on_image(format)) {
        auto exact = exact_indexed(img, std::size_t{1} << kMostBits);
        if (!exact) {
            return refused_palette(FailureKind::too_many_colors,
                                   {.colors = count_colors(img), .format = indexed_with_bits(kMostBits)});
        }
        const int bits = bits_holding(exact->palette.size());
        return ChosenIndexed{indexed_with_bits(bits), std::move(*exact)};
    }
    auto built = build_palette(img, bits_of(format), dither);
    if (!built) return fatal(FailureKind::palette_failed);
    return ChosenIndexed{format, std::move(*built)};
}

}  // namespace pixmint

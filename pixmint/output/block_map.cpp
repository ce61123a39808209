#include "pixmint/output/block_map.h"

#include "pixmint/output/hex_lines.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

namespace {

// LVGL v8 reads the colour plane as lv_color_t and finds the alpha plane after
// sizeof(lv_color_t) * w * h bytes: at any other depth it would read past the array, and with the
// other LV_COLOR_16_SWAP setting every colour comes out wrong. Refused at compile time instead.
void append_alpha_plane_block(const BlockImage& packed, lvforge::TextSink& out) {
    const bool swap = packed.swapped;
    const char* swap_value = swap ? "1" : "0";
    out.appendf("#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != %s\n", swap_value);
    out.appendf("#error \"LV_IMG_CF_RGB565A8 data for LV_COLOR_DEPTH 16 and LV_COLOR_16_SWAP %s\"\n#endif\n",
                swap_value);
    out.append(swap
                   ? "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/\n"
                   : "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/\n");
    const std::size_t colors = packed.bytes.size() - packed.alpha_plane_bytes;
    append_hex_lines(out, packed.bytes.data(), colors, packed.line_bytes);
    out.append("  /*Alpha 8 bit, one byte a pixel in the same order*/\n");
    append_hex_lines(out, packed.bytes.data() + colors, packed.alpha_plane_bytes, packed.line_bytes / 2);
}

}  // namespace

void append_block_map(ColorFormat format, const BlockImage& packed, lvforge::TextSink& out) {
    const int bits = bits_of(format);
    switch (family_of(format)) {
        case FormatFamily::indexed:
            out.appendf("  /*Palette: %d colors of Blue, Green, Red, Alpha: 8 bit each*/\n", 1 << bits);
            append_hex_lines(out, packed.bytes.data(), packed.palette_bytes, 4);
            out.appendf("  /*Pixel format: Index %d bit, every row starting on a byte boundary*/\n", bits);
            break;
        case FormatFamily::alpha:
            out.appendf("  /*Pixel format: Alpha %d bit, every row starting on a byte boundary*/\n", bits);
            break;
        case FormatFamily::raw:
            out.append("  /*The image file as it is*/\n");
            break;
        case FormatFamily::alpha_plane:
            append_alpha_plane_block(packed, out);
            return;
        case FormatFamily::true_color:
        case FormatFamily::direct:
            return;
    }
    append_hex_lines(out, packed.bytes.data() + packed.palette_bytes,
                     packed.bytes.size() - packed.palette_bytes, packed.line_bytes);
}

}  // namespace pixmint

#include "pixmint/output/block_map.h"

#include "pixmint/output/hex_lines.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

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
        case FormatFamily::true_color:
            return;
    }
    append_hex_lines(out, packed.bytes.data() + packed.palette_bytes,
                     packed.bytes.size() - packed.palette_bytes, packed.line_bytes);
}

}  // namespace pixmint

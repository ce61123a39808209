#include "pixmint/output/block_map.h"

#include "pixmint/output/hex_lines.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

void add_block_map(ColorFormat format, const PackedImage& packed, lvforge::TextSink& out) {
    const int bits = bits_of(format);
    switch (family_of(format)) {
        case FormatFamily::indexed:
            out.putf("  /*Palette: %d colors of Blue, Green, Red, Alpha: 8 bit each*/\n", 1 << bits);
            put_hex_lines(out, packed.bytes.data(), packed.palette_bytes, 4);
            out.putf("  /*Pixel format: Index %d bit, every row starting on a byte boundary*/\n", bits);
            break;
        case FormatFamily::alpha:
            out.putf("  /*Pixel format: Alpha %d bit, every row starting on a byte boundary*/\n", bits);
            break;
        case FormatFamily::raw:
            out.put("  /*The image file as it is*/\n");
            break;
        case FormatFamily::true_color:
            return;
    }
    put_hex_lines(out, packed.bytes.data() + packed.palette_bytes, packed.bytes.size() - packed.palette_bytes,
                  packed.line_bytes);
}

}  // namespace pixmint

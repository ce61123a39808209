#include "common/hex_tables.h"

namespace lvforge {

namespace {

// Builds a table whose entries read: [blank] 0x <two lower-case digits> , [blank].
constexpr HexTable make_table(bool leading_blank) {
    constexpr char kDigits[] = "0123456789abcdef";
    HexTable t{};
    for (int b = 0; b < 256; ++b) {
        char* e = t.unit[b];
        int i = 0;
        if (leading_blank) e[i++] = ' ';
        e[i++] = '0';
        e[i++] = 'x';
        e[i++] = kDigits[b >> 4];
        e[i++] = kDigits[b & 15];
        e[i++] = ',';
        if (!leading_blank) e[i++] = ' ';
    }
    return t;
}

}  // namespace

alignas(8) constinit const HexTable kPixelHex = make_table(true);
alignas(8) constinit const HexTable kArrayHex = make_table(false);

}  // namespace lvforge

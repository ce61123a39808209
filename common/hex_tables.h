// Precomputed hexadecimal texts of every byte value, so that generated
// arrays are formatted by table lookup rather than by printf per byte.
#pragma once

#include <cstdint>

namespace lvforge {

// 256 texts of 6 significant characters, each padded to 8 bytes so that it
// can be copied as one word and the next one written 6 bytes further on.
struct HexTable {
    char unit[256][8];
};

// " 0x%02x," for every byte: the unit the image encoders print.
extern const HexTable kPixelHex;
// "0x%02x, " for every byte: the unit of the byte-array writer.
extern const HexTable kArrayHex;

// Writes the 6-character unit of `b` at `out` (8 bytes must be writable) and returns out + 6.
inline char* copy_hex_unit(char* out, const HexTable& table, std::uint8_t b) {
    __builtin_memcpy(out, table.unit[b], 8);
    return out + 6;
}

}  // namespace lvforge

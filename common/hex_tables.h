// Precomputed hexadecimal texts of every byte value, so that generated
// arrays are formatted by table lookup rather than by printf per byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lvforge {

// 256 texts of 6 significant characters, each padded to 8 bytes so that it
// can be copied as one word and the next one written 6 bytes further on.
struct HexTable {
    char unit[256][8];
    // The same units for 16 bytes at a time: their 96 characters are six stretches of 16, the
    // first three drawn from the 16 digits of bytes 0-7 and the last three likewise from bytes
    // 8-15. For each of the three stretch shapes, which digit goes where (0x80 where the unit's
    // fixed characters go), and those fixed characters (0 where the digits go).
    std::uint8_t digit_at[3][16];
    char fixed[3][16];
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

// Writes the units of `n` bytes from `in` at `out`, as copy_hex_unit() would one after the other,
// 16 bytes at a time where the processor allows; returns out + 6n. Up to 2 bytes past that end
// may be written.
char* copy_hex_units(char* out, const HexTable& table, const std::uint8_t* in, std::size_t n);

}  // namespace lvforge

// Reads back the parts of a generated image source that a .bin file must
// agree with: the bytes of its map array, section by section, and the size
// its descriptor declares. Enough of a C reader for pixmint's own output, so
// that a harness can compare the two without compiling anything.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lvforge::fuzz {

// The bytes between one "#if <condition>" and its "#endif" in the array, or those outside any
// such pair (condition empty).
struct ArraySection {
    std::string condition;
    std::vector<std::uint8_t> bytes;
};

// What a generated image source holds: its array's sections in order, and .header.w and .header.h.
struct ImageSource {
    std::vector<ArraySection> sections;
    long width = -1;
    long height = -1;
};

// Reads `<var>_map[]` and the descriptor that follows it out of `text`; nullopt unless the text
// has that shape (every value a two-digit hex byte, every #if closed, both sizes present).
std::optional<ImageSource> parse_image_source(std::string_view text, std::string_view var);

// The bytes of the one section under `condition`; nullopt when there is none or more than one.
std::optional<std::vector<std::uint8_t>> section_bytes(const ImageSource& source, std::string_view condition);

}  // namespace lvforge::fuzz

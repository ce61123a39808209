// The texts of the image source file around its pixel rows: head, the map
// array's opening line, each section's guard and comment, the descriptor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/banner_year.h"
#include "common/names.h"
#include "pixmint/output/true_color_bytes.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

// The four sections of a true-colour map array, in the order they appear.
enum class Section { bits8, bits16, bits16_swap, bits32 };

// Whether -d `depth` selects `section`: 0 all four, 8 the 8-bit one, 16 both 16-bit ones, 24 the
// 32-bit one.
bool selects(Depth depth, Section section);

// How `section` lays out the pixels of the true-colour `format`; only the 32-bit section is
// premultiplied under -v.
TrueColorLayout section_layout(Section section, ColorFormat format, bool premultiply);

// The section's opening lines: its guard, then the comment for `format` and a line feed.
std::string section_opening(Section section, ColorFormat format);
// The line that closes every section.
inline constexpr const char* kSectionEnd = "#endif\n";

// Banner dated `year` (LVGL v9's own under `lvgl` 9), include and attribute guards (nothing at
// all when there is no year), then the map array's opening line.
std::string head_text(const lvforge::OutputNames& names, lvforge::BannerYear year,
                      LvglVersion lvgl = LvglVersion::v7);

// The lines of a one-block map array before its data: a comment, and for an indexed format the
// palette as one line per entry and a second comment. `palette` holds the palette's bytes (none
// when the image has no pixels). For rgb565a8 (colours high byte first when `swapped`), the lines
// before its colour plane.
std::string block_opening(ColorFormat format, const std::uint8_t* palette, std::size_t palette_bytes,
                          bool swapped = false);
// The line between rgb565a8's colour plane and its alpha plane.
inline constexpr const char* kAlphaPlaneOpening = "  /*Alpha 8 bit, one byte a pixel in the same order*/\n";

// The array's closing line and the descriptor pointing at it. `block_bytes` is the exact byte count
// of a one-block format's data, nullopt for the true-colour formats, whose size LVGL works out.
std::string tail_text(const lvforge::OutputNames& names, ColorFormat format, std::uint32_t width,
                      std::uint32_t height, std::optional<std::size_t> block_bytes);

}  // namespace pixmint

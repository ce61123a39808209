#include "pixmint/output/v9_bin_file.h"

#include <array>
#include <string_view>

#include "pixmint/pixels/formats.h"

namespace pixmint {

namespace {

// LV_IMAGE_HEADER_MAGIC: v9's headers start with it, which tells them from v7 / v8 header words.
constexpr std::uint8_t kMagic = 0x19;

// The 12-byte header of an LVGL v9 binary image file, lv_image_header_t as a little-endian
// machine lays it out: magic (0x19), cf, flags (16 bits), w, h, stride (16 bits each), then 16
// reserved zero bits.
std::array<std::uint8_t, 12> v9_bin_header(unsigned cf, unsigned flags, std::uint32_t width,
                                           std::uint32_t height, std::uint32_t stride) {
    const auto lo = [](std::uint32_t v) { return static_cast<std::uint8_t>(v); };
    const auto hi = [](std::uint32_t v) { return static_cast<std::uint8_t>(v >> 8); };
    return {kMagic,     lo(cf),     lo(flags),  hi(flags),  lo(width), hi(width),
            lo(height), hi(height), lo(stride), hi(stride), 0,         0};
}

}  // namespace

std::vector<std::uint8_t> v9_binary_file_bytes(const Encoding& encoding, const V9Image& image) {
    const auto header = v9_bin_header(cf_value_v9(encoding.format), image.flags, image.width, image.height,
                                      image.block.stride);
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), image.data().begin(), image.data().end());
    return out;
}

void append_v9_bin_file(const Encoding& encoding, const V9Image& image, lvforge::TextSink& out) {
    const std::vector<std::uint8_t> bytes = v9_binary_file_bytes(encoding, image);
    out.append(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace pixmint

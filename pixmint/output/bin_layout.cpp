#include "pixmint/output/bin_layout.h"

namespace pixmint {

std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height) {
    return (cf & 0x1Fu) | (width & 0x7FFu) << 10 | (height & 0x7FFu) << 21;
}

std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> out;
    out.reserve(4 + body.size());
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(header >> shift));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace pixmint

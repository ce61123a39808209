#include "pixmint/output/bin_file.h"

#include <string_view>

#include "pixmint/output/v9_bin_header.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

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

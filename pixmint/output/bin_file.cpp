#include "pixmint/output/bin_file.h"

#include <cstring>
#include <string_view>

#include "pixmint/output/bin_layout.h"
#include "pixmint/output/v9_bin_header.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

std::string bin_path_of(const std::string& out_path) {
    std::string stem = out_path;
    if (stem.ends_with(".c")) stem.resize(stem.size() - 2);
    return stem + ".bin";
}

std::vector<std::uint8_t> binary_file_bytes(const Encoding& encoding, const Image& image,
                                            const BlockImage* packed) {
    const std::uint32_t header = bin_header(cf_value(encoding.format), image.width, image.height);
    if (packed != nullptr) return bin_file(header, packed->bytes);
    if (image.pixels == nullptr) return bin_file(header, {});
    const int depth = encoding.depth == Depth::bits24 ? 32 : static_cast<int>(encoding.depth);
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (encoding.dither) rgba = reduce_depth(rgba, depth, true);
    const TrueColorLayout layout{depth, encoding.swap, encoding.format == ColorFormat::true_color_alpha,
                                 encoding.zintra};
    return bin_file(header, true_color_bytes(rgba, layout));
}

void append_bin_file(const Encoding& encoding, const Image& image, const BlockImage* packed,
                     lvforge::TextSink& out) {
    const std::vector<std::uint8_t> bytes = binary_file_bytes(encoding, image, packed);
    out.append(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

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

#include "pixmint/output/bin_file.h"

#include <cstring>
#include <string_view>

#include "common/generated_file.h"
#include "pixmint/output/bin_layout.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

std::string bin_path_of(const std::string& out_path) {
    std::string stem = out_path;
    if (stem.ends_with(".c")) stem.resize(stem.size() - 2);
    return stem + ".bin";
}

std::vector<std::uint8_t> binary_file_bytes(const Options& options, const Image& image,
                                            const BlockImage* packed) {
    const std::uint32_t header = bin_header(cf_value(options.format), image.width, image.height);
    if (packed != nullptr) return bin_file(header, packed->bytes);
    if (image.pixels == nullptr) return bin_file(header, {});
    const int depth = options.depth == Depth::bits24 ? 32 : static_cast<int>(options.depth);
    RgbaImage rgba = to_rgba(image.pixels.get(), image.width, image.height, image.channels);
    if (options.dither) rgba = reduce_depth(rgba, depth, true);
    const TrueColorLayout layout{depth, options.swap, options.format == ColorFormat::true_color_alpha,
                                 options.zintra};
    return bin_file(header, true_color_bytes(rgba, layout));
}

std::optional<lvforge::OutputFailure> write_bin_file(const Options& options, const Image& image,
                                                     const BlockImage* packed,
                                                     const std::function<void()>& opened) {
    return lvforge::write_generated_file(bin_path_of(options.names.out_path), [&](lvforge::TextSink& out) {
        opened();
        const std::vector<std::uint8_t> bytes = binary_file_bytes(options, image, packed);
        out.append(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    });
}

}  // namespace pixmint

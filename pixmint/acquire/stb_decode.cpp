#include "pixmint/acquire/stb_decode.h"

#include <stb_image.h>

#include <climits>

namespace pixmint {

lvforge::Result<Image, Failure> stb_decode(std::FILE* file, std::span<const std::uint8_t> memory) {
    int w = 0, h = 0, comp = 0;
    Image image;
    if (!memory.empty()) {
        if (memory.size() > INT_MAX) return fatal(FailureKind::image_load);
        image.pixels = PixelBuffer(
            stbi_load_from_memory(memory.data(), static_cast<int>(memory.size()), &w, &h, &comp, 0),
            PixelRelease{stbi_image_free});
    } else {
        std::rewind(file);
        image.pixels =
            PixelBuffer(stbi_load_from_file(file, &w, &h, &comp, 0), PixelRelease{stbi_image_free});
    }
    if (image.pixels == nullptr || w < 0 || h < 0 || comp < 1 || comp > 4)
        return fatal(FailureKind::image_load);
    image.width = static_cast<std::uint32_t>(w);
    image.height = static_cast<std::uint32_t>(h);
    image.channels = comp;
    return image;
}

}  // namespace pixmint

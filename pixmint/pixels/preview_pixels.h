// The LVGL v9 route's preview PNG, encoded whole (the v7 and v8 previews are
// written row by row by the pipeline's preview sink).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/rgba_image.h"

namespace pixmint {

// The image as PNG bytes; nullopt when it can't be encoded (an empty image, no memory).
std::optional<std::vector<std::uint8_t>> encode_png(const RgbaImage& img);

}  // namespace pixmint

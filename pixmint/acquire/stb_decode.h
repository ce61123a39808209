// The reference decoder, stb_image: every raster format but the PNGs that
// are streamed, and those too whenever the streaming decoder gives up.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

#include "common/result.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/image.h"

namespace pixmint {

// Decodes the image whose bytes are `memory` when it is not empty, else the open `file` from its
// start, with the file's own channel count; image_load when it can't.
lvforge::Result<Image, Failure> stb_decode(std::FILE* file, std::span<const std::uint8_t> memory);

}  // namespace pixmint

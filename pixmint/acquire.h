// Image acquisition: decode or render the input, resample it when asked,
// and check the size limit.
#pragma once

#include <cstdint>
#include <optional>

#include "command_line.h"
#include "failure.h"
#include "image.h"

namespace pixmint {

// Largest width and height a generated image may have.
inline constexpr std::uint32_t kMaxImageSide = 2500;

// What acquisition produced.
struct Acquired {
    Image image;                     // the image to write; no pixels after a failed resize
    std::optional<Failure> failure;  // set when something went wrong; it says whether to write
};

// Decodes options.image_path (rendered when it is an SVG), then resamples it when -w, -h or the
// zintra width alignment ask for it.
Acquired acquire_image(const Options& options);

// The size-limit failure when `image` is wider or taller than kMaxImageSide (the file is still
// written).
std::optional<Failure> check_size_limit(const Image& image);

}  // namespace pixmint

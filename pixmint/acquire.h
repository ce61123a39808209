// Image acquisition: decode or render the input, resample it when asked,
// and check the size limit.
#pragma once

#include <cstdint>

#include "image_job.h"

namespace pixmint {

// Largest width and height a generated image may have.
inline constexpr std::uint32_t kMaxImageSide = 2500;

// What acquisition produced. The buffers are released with release_image().
struct AcquiredImage {
    std::uint8_t* decoded = nullptr;         // decoder's or rasterizer's buffer
    std::uint8_t* resized = nullptr;         // resampler's buffer, when a resize ran
    const std::uint8_t* to_write = nullptr;  // buffer for the writer (null: no memory for the resize)
    bool pending_failure = false;            // the run ends with status 1 after the file is written
    bool fatal = false;                      // nothing usable: message printed, the run ends now with 1
};

// Decodes `path` (SVG when job.img_type says so), applies the resize wishes and the zintra width
// alignment, and fills width, height, channels and data_size of `job`. Prints its messages.
AcquiredImage acquire_image(const char* path, ImageJob& job, const ResizeRequest& request);

// Frees both buffers of `image`.
void release_image(AcquiredImage& image);

}  // namespace pixmint

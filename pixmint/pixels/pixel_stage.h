// The one pixel stage between the decoder and the encoders: each chunk of
// rows is widened to RGBA once, and reduced once for each colour depth whose
// encoders need it, dithered across chunks as if the image were whole.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/depth_reduction.h"

namespace pixmint {

// What the encoders of a run take from the stage.
struct StageNeeds {
    bool rgba = false;     // the rows as RGBA
    bool depth8 = false;   // the rows as the 8-bit depth shows them
    bool depth16 = false;  // the rows as the 16-bit depth shows them
};

// One chunk of rows, in every form asked for; valid until the stage takes the next chunk.
struct StageRows {
    std::uint32_t first = 0;  // index of the chunk's top row in the image
    std::uint32_t count = 0;  // rows in the chunk
    std::uint32_t width = 0;
    const std::uint8_t* source = nullptr;  // as the source gives them (indices of an indexed image)
    int source_channels = 0;
    const std::uint8_t* rgba = nullptr;
    const std::uint8_t* depth8 = nullptr;
    const std::uint8_t* depth16 = nullptr;

    // The rows whose colours an encoder at `depth` (8, 16 or 32) drops to its bits: dithered
    // for that depth with --dither, otherwise the RGBA rows themselves, since dropping the low
    // bits is all the reduction there is.
    const std::uint8_t* at_depth(int depth) const {
        if (depth == 8 && depth8 != nullptr) return depth8;
        if (depth == 16 && depth16 != nullptr) return depth16;
        return rgba;
    }
};

class PixelStage {
   public:
    // A stage for rows of `width` pixels of `channels` bytes, in chunks of at most `chunk_rows`.
    PixelStage(std::uint32_t width, int channels, bool dither, StageNeeds needs, std::uint32_t chunk_rows);

    // The forms of `count` rows (starting at image row `first`) read from `rows`.
    StageRows take(const std::uint8_t* rows, std::uint32_t first, std::uint32_t count);
    // Back to the top row: the dithering starts afresh.
    void restart();

   private:
    std::uint32_t width_;
    int channels_;
    StageNeeds needs_;
    std::vector<std::uint8_t> rgba_, depth8_, depth16_;
    std::optional<DepthReducer> reduce8_, reduce16_;
};

}  // namespace pixmint

#include "pixmint/pixels/pixel_stage.h"

namespace pixmint {

PixelStage::PixelStage(std::uint32_t width, int channels, bool dither, StageNeeds needs,
                       std::uint32_t chunk_rows)
    : width_(width), channels_(channels), needs_(needs) {
    const std::size_t bytes = std::size_t{width} * chunk_rows * 4;
    const bool reduce = dither && (needs.depth8 || needs.depth16);
    // Four-channel rows are RGBA already and are passed on as they come.
    if ((needs.rgba || reduce) && channels != 4) rgba_.resize(bytes);
    if (dither && needs.depth8) {
        depth8_.resize(bytes);
        reduce8_.emplace(width, 8, true);
    }
    if (dither && needs.depth16) {
        depth16_.resize(bytes);
        reduce16_.emplace(width, 16, true);
    }
}

void PixelStage::restart() {
    if (reduce8_) reduce8_->restart();
    if (reduce16_) reduce16_->restart();
}

StageRows PixelStage::take(const std::uint8_t* rows, std::uint32_t first, std::uint32_t count) {
    StageRows out{first, count, width_, rows, channels_, nullptr, nullptr, nullptr};
    if (channels_ == 4) {
        out.rgba = rows;
    } else if (!rgba_.empty()) {
        widen_to_rgba(rows, channels_, std::size_t{width_} * count, rgba_.data());
        out.rgba = rgba_.data();
    }
    const std::size_t row_bytes = std::size_t{width_} * 4;
    const auto reduce = [&](DepthReducer& reducer, std::vector<std::uint8_t>& into) {
        for (std::size_t y = 0; y < count; ++y)
            reducer.reduce(out.rgba + y * row_bytes, into.data() + y * row_bytes);
        return into.data();
    };
    if (reduce8_) out.depth8 = reduce(*reduce8_, depth8_);
    if (reduce16_) out.depth16 = reduce(*reduce16_, depth16_);
    return out;
}

}  // namespace pixmint

#include "pixmint/output/pipeline.h"

#include <algorithm>

#include "pixmint/pixels/hand_off.h"
#include "pixmint/pixels/worker.h"

namespace pixmint {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{64} << 10;
// Chunks decoded ahead of the encoders: enough to ride out an uneven chunk on either side.
constexpr std::size_t kChunksAhead = 4;

// The stage and the encoders over one run's chunks, feeding every sink.
class Conveyor {
   public:
    Conveyor(const RowSource& source, const EncoderSet& encoders, const std::vector<Sink*>& sinks,
             bool dither)
        : encodings_(encoders),
          sinks_(sinks),
          stage_(source.width(), source.channels(), dither, needs_of(encoders, sinks),
                 chunk_rows(source.width(), source.height())) {
        const std::uint32_t rows = chunk_rows(source.width(), source.height());
        for (const Encoder& e : encoders.all())
            buffers_.emplace_back(encoded_row_bytes(e, source.width()) * rows);
        pointers_.resize(buffers_.size());
    }

    void begin(int pass) {
        stage_.restart();
        for (Sink* s : sinks_) s->begin_pass(pass);
    }
    void carry(int pass, const std::uint8_t* rows, std::uint32_t first, std::uint32_t count) {
        const StageRows stage_rows = stage_.take(rows, first, count);
        for (std::size_t i = 0; i < buffers_.size(); ++i) {
            encode_rows(encodings_.all()[i], stage_rows, buffers_[i].data());
            pointers_[i] = buffers_[i].data();
        }
        const EncodedChunk chunk{stage_rows, pointers_};
        for (Sink* s : sinks_) s->take(pass, chunk);
    }
    void end(int pass) {
        for (Sink* s : sinks_) s->end_pass(pass);
    }

   private:
    static StageNeeds needs_of(const EncoderSet& encoders, const std::vector<Sink*>& sinks) {
        StageNeeds needs = encoders.needs();
        for (const Sink* s : sinks) {
            const StageNeeds own = s->needs();
            needs.rgba = needs.rgba || own.rgba;
            needs.depth8 = needs.depth8 || own.depth8;
            needs.depth16 = needs.depth16 || own.depth16;
        }
        return needs;
    }

    const EncoderSet& encodings_;
    const std::vector<Sink*>& sinks_;
    PixelStage stage_;
    std::vector<std::vector<std::uint8_t>> buffers_;
    std::vector<const std::uint8_t*> pointers_;
};

// A pass over rows that are all in memory.
void carry_whole(const RowSource& source, Conveyor& conveyor, int pass) {
    const std::uint32_t rows = chunk_rows(source.width(), source.height());
    const std::size_t row_bytes = std::size_t{source.width()} * static_cast<std::size_t>(source.channels());
    for (std::uint32_t y = 0; y < source.height(); y += rows) {
        const std::uint32_t n = std::min(rows, source.height() - y);
        conveyor.carry(pass, source.pixels() + y * row_bytes, y, n);
    }
}

// Stops a hand-off on leaving a scope, so that its producer never waits for a consumer that left.
struct StopOnExit {
    HandOff& hand_off;
    ~StopOnExit() { hand_off.stop(); }
};

// The one pass over a source that decodes as it is read: a thread decodes, this one encodes and
// writes what is decoded. Without a thread to be had, this one does both in turn.
bool carry_stream(RowSource& source, Conveyor& conveyor) {
    const std::uint32_t rows = chunk_rows(source.width(), source.height());
    const std::size_t row_bytes = std::size_t{source.width()} * static_cast<std::size_t>(source.channels());
    HandOff decoded(kChunksAhead, row_bytes * rows);
    Worker decoder([&] {
        for (std::uint32_t y = 0; y < source.height(); y += rows) {
            std::uint8_t* slot = decoded.free_buffer();
            if (slot == nullptr) return decoded.finish(false);
            const std::uint32_t n = std::min(rows, source.height() - y);
            if (!source.read(slot, n)) return decoded.finish(false);
            decoded.publish(n);
        }
        decoded.finish(true);
    });
    if (!decoder.started()) {
        std::uint8_t* chunk = decoded.free_buffer();
        for (std::uint32_t y = 0; y < source.height(); y += rows) {
            const std::uint32_t n = std::min(rows, source.height() - y);
            if (!source.read(chunk, n)) return false;
            conveyor.carry(0, chunk, y, n);
        }
        return true;
    }
    // However this pass ends, even by an exception, the decoder is told to stop before it is waited for.
    const StopOnExit stop{decoded};
    std::uint32_t y = 0;
    HandOff::Chunk c = decoded.next();
    for (; c.data != nullptr; c = decoded.next()) {
        const auto n = static_cast<std::uint32_t>(c.size);
        conveyor.carry(0, c.data, y, n);
        y += n;
        decoded.release();
    }
    decoded.stop();
    decoder.join();
    return c.ok && y == source.height();
}

}  // namespace

std::uint32_t chunk_rows(std::uint32_t width, std::uint32_t height) {
    const std::size_t row = std::size_t{width} * 4;
    const std::size_t rows = std::max<std::size_t>(1, kChunkBytes / std::max<std::size_t>(row, 1));
    return static_cast<std::uint32_t>(std::min<std::size_t>(rows, std::max<std::uint32_t>(height, 1)));
}

bool run_pipeline(RowSource& source, const EncoderSet& encoders, const std::vector<Sink*>& sinks,
                  bool dither) {
    int passes = 1;
    for (const Sink* s : sinks) passes = std::max(passes, s->passes());
    Conveyor conveyor(source, encoders, sinks, dither);
    for (int pass = 0; pass < passes; ++pass) {
        conveyor.begin(pass);
        if (!source.has_pixels()) {
            // An image without pixels: the sinks write what surrounds the rows.
        } else if (source.pixels() != nullptr) {
            carry_whole(source, conveyor, pass);
        } else if (pass > 0 || !carry_stream(source, conveyor)) {
            return false;
        }
        conveyor.end(pass);
    }
    return true;
}

}  // namespace pixmint

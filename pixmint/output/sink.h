// What the pipeline feeds: an output that takes encoded rows, chunk by
// chunk, and lays them out in its file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/pixel_stage.h"

namespace pixmint {

// One chunk of rows, in the stage's forms and as every encoder of the run encodes them.
struct EncodedChunk {
    const StageRows& rows;
    const std::vector<const std::uint8_t*>& encoded;  // by encoder index: rows.count encoded rows

    // The chunk's rows as the encoder of index `encoder` encodes them, rows packed.
    const std::uint8_t* bytes(std::size_t encoder) const { return encoded[encoder]; }
};

class Sink {
   public:
    virtual ~Sink() = default;

    // Forms of the rows the sink reads from the stage itself, beyond its encoders.
    virtual StageNeeds needs() const { return {}; }
    // Passes over the rows the sink needs: one, unless its file must be written in order and
    // holds the rows more than once.
    virtual int passes() const { return 1; }
    // Before the first chunk of pass `pass` (0 to passes() - 1 of the sink that needs most).
    virtual void begin_pass(int /*pass*/) {}
    // A chunk of pass `pass`, top rows first.
    virtual void take(int pass, const EncodedChunk& chunk) = 0;
    // After the last chunk of pass `pass`.
    virtual void end_pass(int /*pass*/) {}
    // Why the sink could not make its output of the rows it took (its compressor failed); its
    // file is then not whole.
    virtual std::optional<Failure> failure() const { return std::nullopt; }
};

}  // namespace pixmint

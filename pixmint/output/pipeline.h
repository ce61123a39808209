// The pixel pipeline: rows flow from the decoder through the pixel stage
// (RGBA once, each colour depth reduced once) to the encoders (each one the
// run needs, once) and on to every sink, a chunk of rows at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "pixmint/output/encoder.h"
#include "pixmint/output/sink.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

// Bytes a sink must write before a thread of its own (a writer, a compressor) pays for itself: a
// small output is written on the pipeline's thread, as its chunks come.
constexpr std::uint64_t kThreadWorthBytes = std::uint64_t{1} << 20;

// Rows of `width` pixels in one chunk of an image `height` rows high: about 64 KiB of RGBA, at
// least one row and at most the image's (a small image is one chunk, its buffers no larger).
std::uint32_t chunk_rows(std::uint32_t width, std::uint32_t height);

// Runs every row of `source` through the stage and `encoders` into `sinks`, as many passes as the
// sinks need (more than one only for a source with all its pixels in memory). A source that
// decodes as it is read is decoded on a thread of its own, a few chunks ahead of the encoders.
// False when the source failed to decode part way; the sinks then hold part of the image.
bool run_pipeline(RowSource& source, const EncoderSet& encoders, const std::vector<Sink*>& sinks,
                  bool dither);

}  // namespace pixmint

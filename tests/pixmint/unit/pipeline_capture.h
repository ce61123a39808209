// Runs rows through the real pipeline into one sink over a temporary file
// and returns what the sink wrote.
#pragma once

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/safe_output.h"
#include "pixmint/output/encoder.h"
#include "pixmint/output/pipeline.h"
#include "pixmint/output/sink.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/image_rows.h"
#include "tests/support/test_support.h"

namespace pixmint::test {

// Makes the sink under test over the opened file, asking `encoders` for what it needs.
using MakeSink = std::function<std::unique_ptr<Sink>(lvforge::SafeOutput& out, EncoderSet& encoders)>;

// An image of `channels` bytes a pixel holding a copy of `pixels`; without pixels when null.
inline Image image_of(std::uint32_t width, std::uint32_t height, int channels,
                      const std::vector<std::uint8_t>* pixels) {
    Image image{width, height, channels, PixelBuffer()};
    if (pixels != nullptr) {
        image.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(pixels->size() + 1)));
        std::memcpy(image.pixels.get(), pixels->data(), pixels->size());
    }
    return image;
}

// Everything the sink `make` makes writes of `rows`, through the pipeline; "<failed>" when the pipeline
// or the file fails.
inline std::string run_into(RowSource& rows, const MakeSink& make, bool dither = false) {
    lvforge::test::TempDir dir;
    const std::string path = dir / "out";
    lvforge::SafeOutput out;
    if (!out.open(path.c_str()).ok()) return "<failed>";
    {
        EncoderSet encoders;
        const std::unique_ptr<Sink> sink = make(out, encoders);
        if (!run_pipeline(rows, encoders, {sink.get()}, dither)) return "<failed>";
    }
    if (!out.commit().ok()) return "<failed>";
    return lvforge::test::read_file(path);
}

}  // namespace pixmint::test

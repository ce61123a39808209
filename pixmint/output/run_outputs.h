// The outputs of one run, the C file or the .bin and the preview, and the
// one pipeline that fills them: the place where the sinks of a run are
// chosen. Nothing here prints; the report says what run.cpp must.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "common/banner_year.h"
#include "common/output_failure.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/options.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

// The image as the outputs take it.
struct RunImage {
    std::unique_ptr<RowSource> rows;    // palette indices for an indexed format
    std::vector<Color32> palette;       // an indexed format's palette
    std::span<const std::uint8_t> raw;  // a raw format's data: the input file's bytes
};

// How writing the outputs went, in the order run.cpp reports it.
struct OutputsReport {
    std::optional<Failure> failure;                 // the image turned out not to decode: nothing written
    bool opened = false;                            // the C file (or .bin) was opened and written to
    std::optional<lvforge::OutputFailure> output;   // why the C file (or .bin) is not in place
    std::optional<lvforge::OutputFailure> preview;  // why the preview is not in place
};

// Writes the C file (or with --bin the .bin) and the preview of `image` as `options` ask, the banner
// dated `year`. Rows that are decoded as they are written go straight into files that can take them
// in any order; should the decoding fail part way, the outputs are abandoned and the image decoded
// again the reference way (which may accept it after all). The preview is kept only when the C file
// (or .bin) is in place.
OutputsReport write_outputs(const Options& options, lvforge::BannerYear year, RunImage image);

}  // namespace pixmint

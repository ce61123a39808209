// The outputs of one run, the C file or the .bin and the preview, and the
// one pipeline that fills them: the place where the sinks of a run are
// chosen. Nothing here prints; the report says what run.cpp must.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/banner_year.h"
#include "common/names.h"
#include "common/output_failure.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/palette.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

// The image as the outputs take it.
struct RunImage {
    std::unique_ptr<RowSource> rows;    // palette indices for an indexed format
    std::vector<Color32> palette;       // an indexed format's palette
    std::span<const std::uint8_t> raw;  // a raw format's data: the input file's bytes
};

// Where the outputs of a run go and what they are called.
struct RunOutputs {
    lvforge::OutputNames names;               // the C file's path and C names
    bool binary = false;                      // --bin: the .bin instead of the C file
    std::optional<std::string> preview_path;  // --preview
    lvforge::BannerYear year;                 // the C file's banner
};

// How writing the outputs went, in the order run.cpp reports it.
struct OutputsReport {
    std::optional<Failure> failure;                // the image turned out not to decode, or a block
                                                   // not to compress: nothing written
    bool opened = false;                           // the C file (or .bin) was opened: its depth line is due
    std::optional<lvforge::OutputFailure> output;  // why nothing landed
};

// Writes the C file (or the .bin) and the preview of `image` stored as `encoding` says; they land
// together or not at all. Rows decoded as they are written go straight into files that can take
// them in any order; should the decoding fail part way, the outputs are abandoned and the image
// decoded again the reference way (which may accept it after all).
OutputsReport write_outputs(const RunOutputs& where, const Encoding& encoding, RunImage image);

}  // namespace pixmint

// The outputs of one run, the C file or the .bin and the preview, and the
// one pipeline that fills them: the place where the sinks of a run are
// chosen. Nothing here prints; a failure says what run.cpp must.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "common/banner_year.h"
#include "common/names.h"
#include "common/output_failure.h"
#include "common/result.h"
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

// Why the outputs of a run did not land; none of them was left behind.
struct OutputsFailure {
    // The image turned out not to decode, a block not to compress, or an output could not be made,
    // written or put in place.
    std::variant<Failure, lvforge::OutputFailure> why;
    // The C file (or .bin) had been opened before an output failed: its depth line is due first,
    // as after a success.
    bool main_opened = false;
};

// Writes the C file (or the .bin) and the preview of `image` stored as `encoding` says; they land
// together or not at all. Rows decoded as they are written go straight into files that can take
// them in any order; should the decoding fail part way, the outputs are abandoned and the image
// decoded again the reference way (which may accept it after all).
lvforge::Result<void, OutputsFailure> write_outputs(const RunOutputs& where, const Encoding& encoding,
                                                    RunImage image);

}  // namespace pixmint

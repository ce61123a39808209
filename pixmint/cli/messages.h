// pixmint's words: every text it prints on standard output, in one place.
#pragma once

#include <string>
#include <string_view>

#include "pixmint/pixels/failure.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

// The usage text, both pieces, ending in its empty line.
std::string usage_text();

// What --help prints: the usage text, then the formats and options it does not list.
std::string help_text();

// The line a conversion prints once the output file is open: "color depth: %d\n".
std::string depth_line(Depth depth);

// The refusal of an output `out_path` that is the input image itself.
std::string same_file_message(std::string_view out_path);

// The refusal of a --preview `preview_path` that is the file the run writes (C or .bin) itself.
std::string preview_is_output_message(std::string_view preview_path);

// The exact text printed for `kind`, line feeds included.
std::string message(FailureKind kind);
// The exact text printed for `failure`: message(kind), or the version refusals naming their detail.
std::string message(const Failure& failure);

// The exact text printed for `failure` of a run on `image_path` (the -p argument as given): the
// palette refusals name the image and their counts, every other failure reads as message(failure).
std::string message(const Failure& failure, std::string_view image_path);

}  // namespace pixmint

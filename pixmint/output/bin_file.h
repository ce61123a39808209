// The .bin output: LVGL's binary image file, written as safely as the C file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/output_failure.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/options.h"

namespace pixmint {

// The .bin path for a C file path: its ".c" replaced by ".bin".
std::string bin_path_of(const std::string& out_path);

// The file's bytes: the header word, then the block of `packed`, or for a true-colour format the
// pixels at the one depth -d gives (dithered with --dither, swapped with --swap).
std::vector<std::uint8_t> binary_file_bytes(const Options& options, const Image& image,
                                            const BlockImage* packed);

// Writes the .bin file as safely as the C file; `opened` runs once it is open. Returns nothing
// when written, else why not.
std::optional<lvforge::OutputFailure> write_bin_file(const Options& options, const Image& image,
                                                     const BlockImage* packed,
                                                     const std::function<void()>& opened);

}  // namespace pixmint

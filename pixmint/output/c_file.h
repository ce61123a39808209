// The image source file: head, map array with one section per colour depth,
// and the lv_img_dsc_t descriptor.
#pragma once

#include <functional>
#include <optional>

#include "common/banner_year.h"
#include "common/output_failure.h"
#include "common/text_sink.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/options.h"

namespace pixmint {

// Creates the directories of the output path and writes the whole file there (atomically), its
// banner dated `year`. `opened` runs once the file is open, before its body is formatted.
// Returns nothing when written, else why not. An image without pixels gives a map array without
// sections. `packed` holds the block of an indexed, alpha-only or raw format, null for the
// true-colour formats.
std::optional<lvforge::OutputFailure> write_c_file(const Options& options, const Image& image,
                                                   const BlockImage* packed, lvforge::BannerYear year,
                                                   const std::function<void()>& opened);

// Banner with `year`, include and attribute guards (nothing at all when there is no year).
void append_head(const Options& options, lvforge::BannerYear year, lvforge::TextSink& out);
// The map array: the sections that -d selects, or the one block of `packed` when not null.
void append_map_array(const Options& options, const Image& image, const BlockImage* packed,
                      lvforge::TextSink& out);
// The descriptor pointing at the map array; a block's data size is its exact byte count.
void append_descriptor(const Options& options, const Image& image, const BlockImage* packed,
                       lvforge::TextSink& out);

}  // namespace pixmint

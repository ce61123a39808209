// The image source file: head, map array with one section per colour depth,
// and the lv_img_dsc_t descriptor.
#pragma once

#include <cstdint>

#include "image_job.h"
#include "text_sink.h"

namespace pixmint {

// Creates the directories of job.out_path and writes the whole file there (atomically). Returns
// 0 when written, 1 after printing one "ERR: ..." line. `pixels` may be null: no sections.
int create_c_src(const ImageJob& job, const std::uint8_t* pixels);

// Banner with the UTC year, include and attribute guards (nothing when the date is unknown).
void add_head(const ImageJob& job, lvforge::TextSink& out);
// Prints "color depth: %d" on stdout, then writes the map array with the sections of job.depth.
void add_img_map(const ImageJob& job, lvforge::TextSink& out, const std::uint8_t* pixels);
// The descriptor pointing at the map array.
void add_var_def(const ImageJob& job, lvforge::TextSink& out);

}  // namespace pixmint

// The image source file: head, map array with one section per colour depth,
// and the lv_img_dsc_t descriptor.
#pragma once

#include <string_view>

#include "common/banner_year.h"
#include "common/names.h"
#include "common/text_sink.h"
#include "pixmint/pixels/block_image.h"
#include "pixmint/pixels/encoding.h"
#include "pixmint/pixels/image.h"
#include "pixmint/pixels/v9_image.h"

namespace pixmint {

// The whole file: head, map array and descriptor, named by `names`, its banner dated `year`. An
// image without pixels gives a map array without sections. `packed` holds the block of an
// indexed, alpha-only or raw format, null for the true-colour formats.
void append_c_file(const lvforge::OutputNames& names, const Encoding& encoding, lvforge::BannerYear year,
                   const Image& image, const BlockImage* packed, lvforge::TextSink& out);

// The LVGL v9 file of `image` (encoding.lvgl is 9): the same head with its own banner, the map
// array, the lv_image_dsc_t.
void append_v9_c_file(const lvforge::OutputNames& names, const Encoding& encoding, lvforge::BannerYear year,
                      const V9Image& image, lvforge::TextSink& out);

// Banner with `year`, include and attribute guards for `attr_name` (nothing at all when there is
// no year).
void append_head(std::string_view attr_name, lvforge::BannerYear year, lvforge::TextSink& out);
// The map array: the sections that encoding.depth selects, or the one block of `packed` when not
// null.
void append_map_array(const lvforge::OutputNames& names, const Encoding& encoding, const Image& image,
                      const BlockImage* packed, lvforge::TextSink& out);
// The descriptor `var_name` pointing at the map array; a block's data size is its exact byte count.
void append_descriptor(std::string_view var_name, ColorFormat format, const Image& image,
                       const BlockImage* packed, lvforge::TextSink& out);

}  // namespace pixmint

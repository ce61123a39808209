// The records through which pixmint's driver, acquisition and writer talk.
#pragma once

#include <cstdint>

#include "names.h"

namespace pixmint {

// Colour formats selectable with -f; also the row of info_per_cf.
enum ColorFormat : int { kTrueColor = 0, kTrueColorAlpha = 1, kTrueColorChromaKeyed = 2 };

// Kinds of input recognised from the image path.
enum ImageType : int { kPng = 1, kBmp = 2, kJpg = 3, kGif = 4, kSvg = 5 };

// One conversion request: filled by the driver and by acquisition, read by the writer. Its names
// come first: out_path (the C file to write), var_name (the descriptor; the array is var_name +
// "_map") and attr_name (var_name upper-cased, suffix of LV_ATTRIBUTE_IMG_).
struct ImageJob : lvforge::OutputNames {
    std::uint8_t always_zero = 0;                // value of .header.always_zero
    std::uint32_t width = 0;                     // pixel columns of the buffer handed to the writer
    std::uint32_t height = 0;                    // pixel rows of that buffer
    std::int32_t channels = 0;                   // bytes per pixel in that buffer, 1 to 4
    std::int64_t data_size = 0;                  // width x height; 64-bit so that it can never wrap
    std::int32_t cf = kTrueColor;                // colour format, 0 to 2
    std::uint16_t depth = 0;                     // 0 (all), 8, 16 or 24
    std::int32_t img_type = 0;                   // ImageType
    std::uint8_t premultiply = 0;                // -v: the target renders with the zintra GPU
};

// Resize wishes from -w and -h.
struct ResizeRequest {
    std::int32_t req_width = 0;   // -w as atoi reads it
    std::int32_t req_height = 0;  // -h as atoi reads it
    unsigned given = 0;           // bit 0: -w given; bit 1: -h given
};

}  // namespace pixmint

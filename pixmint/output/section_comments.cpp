#include "pixmint/output/section_comments.h"

namespace pixmint {

namespace {
constexpr const char* kPlain8 = "  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/";
constexpr const char* kPlain16 = "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/";
constexpr const char* kPlain16Swap =
    "  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/";
constexpr const char* kPlain32 = "  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/";

// Rows in the order of ColorFormat: true-color, true-color-alpha, true-color-chroma-keyed.
constexpr SectionComments kInfoPerCf[3] = {
    {kPlain8, kPlain16, kPlain16Swap, kPlain32},
    {"  /*Pixel format: Alpha 8 bit, Red: 3 bit, Green: 3 bit, Blue: 2 bit*/",
     "  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit*/",
     "  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit  BUT the 2  color bytes are "
     "swapped*/",
     "  /*Pixel format: Alpha 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/"},
    // Chroma keying needs no pixel treatment of its own; only the descriptor's constant differs.
    {kPlain8, kPlain16, kPlain16Swap, kPlain32},
};

}  // namespace

const SectionComments& section_comments(ColorFormat format) {
    return kInfoPerCf[static_cast<int>(format)];
}

}  // namespace pixmint

// Every way a row of pixels becomes the bytes LVGL stores, in one table:
// the true-colour layouts, packed alpha and packed palette indices, and
// LVGL v9's direct formats, each row optionally padded to a stride. A run
// runs each encoder it needs once, however many outputs share its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/output/true_color_bytes.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/pixel_stage.h"

namespace pixmint {

struct Encoder {
    enum class Kind {
        true_color,  // `layout`, from the rows at layout.depth
        alpha,       // the alpha of each pixel in `bits` bits, packed
        indexed,     // the source's palette indices in `bits` bits, packed
        v9_color,    // LVGL v9's direct `format` (rgb565a8: its colour plane), from the rows at its depth
    };
    Kind kind = Kind::true_color;
    TrueColorLayout layout{};
    int bits = 0;
    ColorFormat format = ColorFormat::argb8888;  // v9_color: the format
    bool premultiply = false;                    // v9_color: colours scaled by alpha (--premultiply)
    std::uint32_t stride = 0;                    // bytes of a row, zeros after the pixels (v9's --align);
                                                 // 0: the pixels' own bytes

    friend bool operator==(const Encoder&, const Encoder&) = default;
};

// Bytes of one encoded row of `width` pixels.
std::size_t encoded_row_bytes(const Encoder& encoder, std::uint32_t width);

// Encodes every row of `rows` into `out`, encoded_row_bytes() bytes a row, rows packed.
void encode_rows(const Encoder& encoder, const StageRows& rows, std::uint8_t* out);

// The encoders of one run, each once.
class EncoderSet {
   public:
    // The index of `encoder` in the set, which it joins when it is new.
    std::size_t add(const Encoder& encoder);
    // Every encoder, by index.
    const std::vector<Encoder>& all() const { return all_; }
    // The forms of the rows the pixel stage must make for them.
    StageNeeds needs() const;

   private:
    std::vector<Encoder> all_;
};

}  // namespace pixmint

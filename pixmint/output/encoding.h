// Every way a row of pixels becomes the bytes LVGL stores, in one table:
// the true-colour layouts, packed alpha and packed palette indices. A run
// asks for each encoding it needs once, however many outputs share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/output/true_color_bytes.h"
#include "pixmint/pixels/pixel_stage.h"

namespace pixmint {

struct Encoding {
    enum class Kind {
        true_color,  // `layout`, from the rows at layout.depth
        alpha,       // the alpha of each pixel in `bits` bits, packed
        indexed,     // the source's palette indices in `bits` bits, packed
    };
    Kind kind = Kind::true_color;
    TrueColorLayout layout{};
    int bits = 0;

    friend bool operator==(const Encoding&, const Encoding&) = default;
};

// Bytes of one encoded row of `width` pixels.
std::size_t encoded_row_bytes(const Encoding& encoding, std::uint32_t width);

// Encodes every row of `rows` into `out`, encoded_row_bytes() bytes a row, rows packed.
void encode_rows(const Encoding& encoding, const StageRows& rows, std::uint8_t* out);

// The encodings of one run, each once.
class EncodingSet {
   public:
    // The index of `encoding` in the set, which it joins when it is new.
    std::size_t add(const Encoding& encoding);
    // Every encoding, by index.
    const std::vector<Encoding>& all() const { return all_; }
    // The forms of the rows the pixel stage must make for them.
    StageNeeds needs() const;

   private:
    std::vector<Encoding> all_;
};

}  // namespace pixmint

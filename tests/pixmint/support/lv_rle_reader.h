// LVGL v9's lv_rle_decompress, walked the way its reference code walks it, for the tests: control
// bytes with bit 7 set copy (control & 0x7f) units, the others repeat one unit that many times,
// and writing stops at the output's size.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmint::test {

// Decodes `in` into `out` (sized to the decompressed size) in units of `unit` bytes. Returns the
// bytes written (out.size() when a last unit was cut there), 0 on input that ends inside a run or
// overruns the output by more than a unit, as lv_rle_decompress does.
inline std::size_t lv_rle_decompress(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out,
                                     std::size_t unit) {
    std::size_t rd = 0, wr = 0;
    while (rd < in.size()) {
        const unsigned ctrl = in[rd++];
        const std::size_t count = ctrl & 0x7F;
        if (ctrl & 0x80) {
            const std::size_t bytes = unit * count;
            if (rd + bytes > in.size()) return 0;
            if (wr + bytes > out.size()) {
                if (wr + bytes > out.size() + unit) return 0;
                std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(rd), out.size() - wr,
                            out.begin() + static_cast<std::ptrdiff_t>(wr));
                return out.size();
            }
            std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(rd), bytes,
                        out.begin() + static_cast<std::ptrdiff_t>(wr));
            rd += bytes;
            wr += bytes;
        } else {
            if (rd + unit > in.size()) return 0;
            const auto from = in.begin() + static_cast<std::ptrdiff_t>(rd);
            if (wr + unit * count > out.size()) {
                if (wr + unit * count > out.size() + unit) return 0;
                // The reference skips the last unit here, leaving the bytes it would cut unwritten.
                for (std::size_t k = 0; k + 1 < count; ++k, wr += unit)
                    std::copy_n(from, unit, out.begin() + static_cast<std::ptrdiff_t>(wr));
                return out.size();
            }
            for (std::size_t k = 0; k < count; ++k, wr += unit)
                std::copy_n(from, unit, out.begin() + static_cast<std::ptrdiff_t>(wr));
            rd += unit;
        }
    }
    return wr;
}

}  // namespace pixmint::test

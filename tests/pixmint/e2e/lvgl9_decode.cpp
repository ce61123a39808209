#include "tests/pixmint/e2e/lvgl9_decode.h"

#include <gtest/gtest.h>

namespace pixmint::test {

using Bytes = std::vector<std::uint8_t>;

namespace {

std::uint8_t u8(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

}  // namespace

unsigned v9_bits_of_cf(unsigned cf) {
    switch (cf) {
        case 0x07:
        case 0x0B:
            return 1;
        case 0x08:
        case 0x0C:
            return 2;
        case 0x09:
        case 0x0D:
            return 4;
        case 0x0F:
        case 0x13:
            return 24;
        case 0x10:
        case 0x11:
            return 32;
        case 0x12:
        case 0x14:
        case 0x15:
            return 16;
        default:
            return 8;
    }
}

Bytes decode_v9(const V9Image& c, const Bytes& block) {
    const unsigned bits = v9_bits_of_cf(c.cf);
    const bool indexed = c.cf >= 0x07 && c.cf <= 0x0A, alpha_only = c.cf >= 0x0B && c.cf <= 0x0E;
    const std::size_t palette = indexed ? (std::size_t{4} << bits) : 0;
    EXPECT_GE(block.size(), palette + std::size_t{c.stride} * c.h * (c.cf == 0x14 ? 3 : 2) / 2);
    Bytes px;
    for (unsigned y = 0; y < c.h; ++y)
        for (unsigned x = 0; x < c.w; ++x) {
            const std::size_t row = palette + std::size_t{c.stride} * y;
            const std::uint8_t* p = &block.at(row + x * bits / 8);
            const auto w565 = [&](const std::uint8_t* q) {
                const unsigned v = q[0] | unsigned{q[1]} << 8;
                px.insert(px.end(), {u8(static_cast<int>((v >> 11) * 2106 >> 8)),
                                     u8(static_cast<int>(((v >> 5) & 63) * 1037 >> 8)),
                                     u8(static_cast<int>((v & 31) * 2106 >> 8))});
            };
            if (indexed || alpha_only) {
                const std::size_t bit = std::size_t{x} * bits;
                const auto shift = static_cast<unsigned>(8 - bits - bit % 8);
                const unsigned v = (unsigned{block.at(row + bit / 8)} >> shift) & ((1u << bits) - 1);
                if (indexed) {
                    px.insert(px.end(), {block.at(v * 4 + 2), block.at(v * 4 + 1), block.at(v * 4),
                                         block.at(v * 4 + 3)});
                } else {
                    unsigned a = v;
                    for (unsigned n = bits; v != 0 && n < 8; n += bits) a |= v << (8 - n);
                    px.insert(px.end(), {0, 0, 0, u8(static_cast<int>(a))});
                }
                continue;
            }
            switch (c.cf) {
                case 0x06:
                    px.insert(px.end(), {p[0], p[0], p[0], 255});
                    break;
                case 0x15:
                    px.insert(px.end(), {p[0], p[0], p[0], p[1]});
                    break;
                case 0x12:
                    w565(p);
                    px.push_back(255);
                    break;
                case 0x14:
                    w565(p);
                    px.push_back(block.at(std::size_t{c.stride} * c.h + std::size_t{c.stride / 2} * y + x));
                    break;
                case 0x13:
                    w565(p);
                    px.push_back(p[2]);
                    break;
                default:
                    px.insert(px.end(), {p[2], p[1], p[0], c.cf == 0x10 ? p[3] : u8(255)});
            }
        }
    return px;
}

}  // namespace pixmint::test

#include "tests/pixmint/e2e/lvgl_decode.h"

#include <gtest/gtest.h>

namespace pixmint::test {

using lvforge::test::read_file;
using Bytes = std::vector<std::uint8_t>;

Compiled compile(const lvforge::test::TempDir& dir, const std::string& var, int depth, int swap) {
    lvforge::test::write_file(dir / "lvgl.h", read_file(lvforge::test::lvgl_stand_in(7)));
    lvforge::test::write_file(dir / "lv_conf.h", "");
    const std::string src = var + "_dump.c", exe = dir / (var + "_dump");
    lvforge::test::write_file(dir / src, "#include <stdio.h>\n#include \"" + var +
                                             ".c\"\nint main(void) {\n"
                                             "    printf(\"%u %u %u %u\\n\", (unsigned)" +
                                             var + ".header.w, (unsigned)" + var + ".header.h, (unsigned)" +
                                             var + ".header.cf, (unsigned)" + var +
                                             ".data_size);\n"
                                             "    fwrite(" +
                                             var + ".data, 1, sizeof " + var +
                                             "_map, stdout);\n"
                                             "    return " +
                                             var + ".header.cf < LV_IMG_CF_TRUE_COLOR || " + var +
                                             ".header.cf > LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED ? " + var +
                                             ".data_size != sizeof " + var + "_map : 0;\n}\n");
    const auto cc = lvforge::test::run(
        {"/bin/sh", "-c",
         "cc -std=c99 -Wall -Wextra -Wpedantic -Werror -DLV_COLOR_DEPTH=" + std::to_string(depth) +
             " -DLV_COLOR_16_SWAP=" + std::to_string(swap) + " -o " + exe + " " + src},
        {.cwd = dir.path()});
    EXPECT_EQ(cc.status, 0) << cc.out << cc.err;
    const auto r = lvforge::test::run({exe});
    EXPECT_EQ(r.status, 0) << "data_size is not the array's size";
    const std::size_t eol = r.out.find('\n');
    return {r.out.substr(0, eol), Bytes(r.out.begin() + static_cast<std::ptrdiff_t>(eol) + 1, r.out.end())};
}

unsigned read_value(const Bytes& data, std::size_t ofs, int w, int bits, int x, int y) {
    const std::size_t stride = (static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const std::uint8_t byte = data.at(ofs + stride * static_cast<std::size_t>(y) + bit / 8);
    return (byte >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
}

Bytes decode_indexed(const Bytes& data, int bits, int w, int h) {
    Bytes px;
    const std::size_t palette = (std::size_t{1} << bits) * 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t e = read_value(data, palette, w, bits, x, y) * 4u;
            px.insert(px.end(), {data.at(e + 2), data.at(e + 1), data.at(e), data.at(e + 3)});
        }
    return px;
}

std::string header_of(int w, int h, int cf, std::size_t size) {
    return std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(cf) + " " +
           std::to_string(size);
}

}  // namespace pixmint::test

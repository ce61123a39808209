#include "fixtures.h"

#include <stb_image_write.h>

#include <stdexcept>

namespace pixmint::test {

std::vector<std::uint8_t> pattern(int w, int h, int comp) {
    std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h * comp));
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < comp; ++c) {
                px[i++] = static_cast<std::uint8_t>((x * 53 + y * 97 + c * 71 + 13) & 0xff);
            }
        }
    }
    return px;
}

void write_png(const std::string& path, int w, int h, int comp) {
    const auto px = pattern(w, h, comp);
    if (stbi_write_png(path.c_str(), w, h, comp, px.data(), w * comp) == 0) throw std::runtime_error(path);
}

void write_opaque_png(const std::string& path, int w, int h, int comp) {
    auto px = pattern(w, h, comp);
    for (std::size_t i = static_cast<std::size_t>(comp - 1); i < px.size(); i += static_cast<std::size_t>(comp)) {
        px[i] = 255;
    }
    if (stbi_write_png(path.c_str(), w, h, comp, px.data(), w * comp) == 0) throw std::runtime_error(path);
}

void write_bmp(const std::string& path, int w, int h) {
    const auto px = pattern(w, h, 3);
    if (stbi_write_bmp(path.c_str(), w, h, 3, px.data()) == 0) throw std::runtime_error(path);
}

void write_jpg(const std::string& path, int w, int h) {
    const auto px = pattern(w, h, 3);
    if (stbi_write_jpg(path.c_str(), w, h, 3, px.data(), 90) == 0) throw std::runtime_error(path);
}

namespace {
void put_le(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
}  // namespace

std::string bmp_bytes(std::int32_t w, std::int32_t h, bool with_pixels) {
    const std::uint32_t row = (static_cast<std::uint32_t>(w) * 3 + 3) / 4 * 4;
    const std::uint32_t data = with_pixels ? row * static_cast<std::uint32_t>(h < 0 ? -h : h) : 0;
    std::string s = "BM";
    put_le(s, 54 + data, 4);
    put_le(s, 0, 4);
    put_le(s, 54, 4);  // pixel data offset
    put_le(s, 40, 4);  // info header size
    put_le(s, static_cast<std::uint32_t>(w), 4);
    put_le(s, static_cast<std::uint32_t>(h), 4);
    put_le(s, 1, 2);   // planes
    put_le(s, 24, 2);  // bits per pixel
    put_le(s, 0, 4);   // no compression
    put_le(s, data, 4);
    put_le(s, 2835, 4);
    put_le(s, 2835, 4);
    put_le(s, 0, 4);  // palette size
    put_le(s, 0, 4);  // important colours
    s.append(data, '\0');
    return s;
}

std::string gif_bytes(std::uint16_t w, std::uint16_t h) {
    std::string s = "GIF89a";
    put_le(s, w, 2);
    put_le(s, h, 2);
    s += std::string("\x80\0\0" "\0\0\0\xff\xff\xff,", 10);  // 2-colour table, then the frame
    put_le(s, 0, 4);
    put_le(s, w, 2);
    put_le(s, h, 2);
    s += std::string("\0\x02\x02\x44\x01\0;", 7);
    return s;
}

std::string data_file(const std::string& name) { return std::string(LVFORGE_TEST_DATA) + "/data/" + name; }

lvforge::test::RunResult run_pixmint(const std::string& cwd, std::vector<std::string> args,
                                     long long file_size_limit) {
    args.insert(args.begin(), PIXMINT_BIN);
    return lvforge::test::run(args, {.cwd = cwd, .file_size_limit = file_size_limit});
}

}  // namespace pixmint::test

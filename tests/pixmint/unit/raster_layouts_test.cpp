// The raster guard against files in every layout the four formats allow, and
// in the ways a file can leave pixels undefined (tests/pixmint/data, written
// by make_raster_fixtures.py): each layout gets through and decodes to what
// its writer put in, no cut of one yields a pixel the whole file would not,
// each undefined pixel is kept away even where the decoder would take the
// file, and the decoder's other formats are never taken for one of the four.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pixmint/acquire/acquire.h"
#include "pixmint/acquire/raster_guard.h"
#include "pixmint/pixels/image_rows.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using V = RasterVerdict;

const fs::path kData = fs::path(LVFORGE_SOURCE_DIR) / "tests/pixmint/data";

Bytes read(const fs::path& path) {
    const std::string text = lvforge::test::read_file(path.string());
    return {text.begin(), text.end()};
}

// The image files of a directory, sorted.
std::vector<fs::path> images(const fs::path& dir) {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() != ".pixels" && entry.path().filename() != "cases")
            out.push_back(entry.path());
    std::sort(out.begin(), out.end());
    return out;
}

// Decoded pixels, or nothing when the decoder refuses the file.
Bytes decode(const Bytes& file) {
    int w = 0, h = 0, comp = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &comp, 0);
    if (pixels == nullptr) return {};
    Bytes out(pixels, pixels + w * h * comp);
    stbi_image_free(pixels);
    return out;
}

TEST(RasterLayouts, EveryLayoutDecodesToWhatWasWritten) {
    const std::vector<fs::path> layouts = images(kData / "layouts");
    EXPECT_EQ(layouts.size(), 71u);
    for (const fs::path& path : layouts) {
        const std::string name = path.filename().string();
        EXPECT_EQ(check_raster(read(path)), V::decodable) << name;
        // Through acquisition, as a run reads it.
        Options options;
        options.image_path = path.string();
        auto got = acquire_image(options);
        ASSERT_TRUE(got.ok()) << name;
        ASSERT_FALSE(got.value().resampling_failed) << name;
        // Decoded whole, whether it came as a stream of rows or not.
        const auto rows = whole_image(std::move(got.value().rows));
        ASSERT_NE(rows, nullptr) << name;
        const struct {
            std::uint32_t width, height;
            int channels;
        } image{rows->width(), rows->height(), rows->channels()};
        const auto* px = rows->pixels();
        const Bytes pixels(px, px + image.width * image.height * static_cast<std::uint32_t>(image.channels));
        if (name.ends_with("-progressive.jpg")) {
            // The very coefficients of its baseline twin.
            const fs::path twin = path.parent_path() / (name.substr(0, name.size() - 16) + ".jpg");
            EXPECT_EQ(pixels, decode(read(twin))) << name;
        } else if (!name.ends_with(".jpg")) {
            std::ostringstream decoded;
            decoded << image.width << ' ' << image.height << ' ' << image.channels << '\n'
                    << std::string(pixels.begin(), pixels.end());
            EXPECT_EQ(decoded.str(), lvforge::test::read_file(path.string() + ".pixels")) << name;
        }
    }
}

TEST(RasterLayouts, NoCutYieldsAPixelTheWholeFileDoesNot) {
    // Between them these JPEGs take every path of the walk (interleaved and single-component scans,
    // spectral selection, refinement, restarts); the other JPEG layouts only repeat them.
    const std::set<std::string> jpegs{"jpeg-420.jpg", "jpeg-grey-progressive.jpg",
                                      "jpeg-restart-every-mcu-progressive.jpg",
                                      "jpeg-grey-restart-every-3.jpg"};
    for (const fs::path& path : images(kData / "layouts")) {
        const std::string name = path.filename().string();
        if (name.ends_with(".jpg") && !jpegs.contains(name)) continue;
        const Bytes file = read(path);
        const Bytes whole = decode(file);
        for (std::size_t cut = 1; cut < file.size(); ++cut) {
            const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
            if (check_raster(part) != V::decodable) continue;
            const Bytes pixels = decode(part);
            ASSERT_TRUE(pixels.empty() || pixels == whole) << name << " cut to " << cut << " bytes";
        }
    }
}

TEST(RasterLayouts, UndefinedPixelsAreKeptAway) {
    const std::map<std::string, V> verdicts{
        {"bmp_index_outside_palette", V::bmp_index_outside_palette},
        {"gif_index_outside_table", V::gif_index_outside_table},
        {"gif_frame_short", V::gif_frame_short},
        {"gif_background_outside_table", V::gif_background_outside_table},
        {"png_data_short", V::png_data_short},
        {"png_index_outside_palette", V::png_index_outside_palette},
        {"jpeg_blocks_missing", V::jpeg_blocks_missing},
        {"jpeg_table_missing", V::jpeg_table_missing},
    };
    std::istringstream cases(lvforge::test::read_file((kData / "refused/cases").string()));
    std::string name, verdict, decoder;
    int count = 0;
    while (cases >> name >> verdict >> decoder) {
        const Bytes file = read(kData / "refused" / name);
        ASSERT_TRUE(verdicts.contains(verdict)) << name;
        EXPECT_EQ(check_raster(file), verdicts.at(verdict)) << name;
        // Unguarded, the decoder takes it (a run would write pixels the file does not hold) or
        // refuses it; an unsafe one makes it read memory nothing set, so it is not tried.
        if (decoder != "unsafe") {
            EXPECT_EQ(decode(file).empty(), decoder == "refuses") << name;
        }
        ++count;
    }
    EXPECT_EQ(count, 17);
}

// The decoder reads each of these (a short one with pixels made up) but one: it crashes on a cut
// PIC file.
TEST(RasterLayouts, OtherFormatsAreNotTakenForOneOfTheFour) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(kData / "../../golden/pixmint/foreign")) {
        const std::string name = entry.path().filename().string();
        const Bytes file = read(entry.path() / "in/image.png");
        EXPECT_FALSE(raster_format(file)) << name;
        EXPECT_EQ(check_raster_header(file), V::unknown_format) << name;
        if (name != "pic_cut_short") {
            EXPECT_FALSE(decode(file).empty()) << name;
        }
        ++count;
    }
    EXPECT_EQ(count, 11);
}

}  // namespace
}  // namespace pixmint::test

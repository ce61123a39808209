#include "pixmint/pixels/palette.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "common/memory_reserve.h"
#include "pixmint/pixels/quantizer_library.h"

namespace pixmint {

namespace {

constexpr int kQuantizerSpeed = 7;

std::uint32_t key_of(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

// Owning handles for the quantizer's objects, released through the loaded library.
struct AttrDeleter {
    const QuantizerLibrary* lib;
    void operator()(liq_attr* a) const { lib->attr_destroy(a); }
};
struct ImageDeleter {
    const QuantizerLibrary* lib;
    void operator()(liq_image* i) const { lib->image_destroy(i); }
};
struct ResultDeleter {
    const QuantizerLibrary* lib;
    void operator()(liq_result* r) const { lib->result_destroy(r); }
};

// Palette and indices of an image with exactly the colours of `palette`.
IndexedImage index_exactly(RgbaRows& rows, std::vector<Color32> palette) {
    std::unordered_map<std::uint32_t, std::uint8_t> slot;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const Color32& c = palette[i];
        const std::uint8_t bytes[4] = {c.r, c.g, c.b, c.a};
        slot.emplace(key_of(bytes), static_cast<std::uint8_t>(i));
    }
    const std::size_t w = rows.width();
    IndexedImage out{std::move(palette), std::vector<std::uint8_t>(w * rows.height())};
    for (std::uint32_t y = 0; y < rows.height(); ++y) {
        const std::uint8_t* p = rows.row(y);
        std::uint8_t* index = &out.index[y * w];
        // A colour missing from the palette can only come of rows that failed to decode.
        for (std::size_t x = 0; x < w; ++x, p += 4) {
            const auto it = slot.find(key_of(p));
            index[x] = it == slot.end() ? 0 : it->second;
        }
    }
    return out;
}

// The entry fully transparent pixels take in a quantized palette. Left to the quantizer they
// share an entry with some opacity, and then draw a haze over whatever lies behind the image.
constexpr Color32 kClear{0, 0, 0, 0};

bool has_clear_pixel(RgbaRows& rows) {
    for (std::uint32_t y = 0; y < rows.height(); ++y) {
        const std::uint8_t* p = rows.row(y);
        for (std::size_t i = 3; i < std::size_t{rows.width()} * 4; i += 4)
            if (p[i] == 0) return true;
    }
    return false;
}

// Points every fully transparent pixel at the kClear entry. The quantizer maps them there itself
// (it weighs colour by alpha); this makes it certain whatever its error diffusion does, and adds
// the entry should the quantizer ever drop it and there be room.
void keep_clear(RgbaRows& rows, std::size_t max_colors, IndexedImage& out) {
    auto entry = std::find(out.palette.begin(), out.palette.end(), kClear);
    if (entry == out.palette.end()) {
        if (out.palette.size() == max_colors) return;
        entry = out.palette.insert(out.palette.end(), kClear);
    }
    const auto clear = static_cast<std::uint8_t>(entry - out.palette.begin());
    const std::size_t w = rows.width();
    for (std::uint32_t y = 0; y < rows.height(); ++y) {
        const std::uint8_t* p = rows.row(y);
        for (std::size_t x = 0; x < w; ++x)
            if (p[x * 4 + 3] == 0) out.index[y * w + x] = clear;
    }
}

// Hands the quantizer the rows it asks for.
extern "C" void feed_row(liq_color row_out[], int row, int width, void* user) {
    auto* rows = static_cast<RgbaRows*>(user);
    std::memcpy(row_out, rows->row(static_cast<std::uint32_t>(row)), static_cast<std::size_t>(width) * 4);
}

std::optional<IndexedImage> quantize(RgbaRows& rows, int bits, bool dither) {
    // Loaded here, on the one route that needs it; without it there is no palette to build.
    const QuantizerLibrary* lib = quantizer_library();
    if (lib == nullptr) return std::nullopt;
    // The quantizer splits its work across OpenMP threads, and the order in which their partial
    // sums meet would make the palette depend on the machine. pixmint runs on one thread.
    lib->omp_set_num_threads(1);
    // The library does not check every allocation it makes and would read through a null pointer
    // when memory runs out, so a failed one never returns: it unwinds to the run's answer to
    // running out of memory, the owners below freeing what the quantizer holds.
    std::unique_ptr<liq_attr, AttrDeleter> attr(
        lib->attr_create_with_allocator(lvforge::allocate_or_throw, lvforge::release_allocation),
        AttrDeleter{lib});
    if (!attr || lib->set_max_colors(attr.get(), 1 << bits) != LIQ_OK) return std::nullopt;
    // Speed 7 of 10 takes a third of the time of the default 4 for a fraction of a dB, which keeps
    // a 2500 x 2500 image well within seconds.
    if (lib->set_speed(attr.get(), kQuantizerSpeed) != LIQ_OK) return std::nullopt;
    // The quantizer asks for rows as it goes (a few passes, each from the top), so that the image
    // need not be held whole beside its own tables; the result is the same as from pixels in memory.
    std::unique_ptr<liq_image, ImageDeleter> image(
        lib->image_create_custom(attr.get(), feed_row, &rows, static_cast<int>(rows.width()),
                                 static_cast<int>(rows.height()), 0),
        ImageDeleter{lib});
    if (!image) return std::nullopt;
    const bool clear = has_clear_pixel(rows);
    if (clear &&
        lib->image_add_fixed_color(image.get(), liq_color{kClear.r, kClear.g, kClear.b, kClear.a}) != LIQ_OK)
        return std::nullopt;
    liq_result* raw_result = nullptr;
    if (lib->image_quantize(image.get(), attr.get(), &raw_result) != LIQ_OK) return std::nullopt;
    std::unique_ptr<liq_result, ResultDeleter> result(raw_result, ResultDeleter{lib});
    // Dithering is on by default in the quantizer; here it is asked for.
    if (lib->set_dithering_level(result.get(), dither ? 1.0f : 0.0f) != LIQ_OK) return std::nullopt;
    IndexedImage out;
    out.index.resize(std::size_t{rows.width()} * rows.height());
    if (lib->write_remapped_image(result.get(), image.get(), out.index.data(), out.index.size()) != LIQ_OK)
        return std::nullopt;
    // The palette is complete only once the image has been remapped.
    const liq_palette* pal = lib->get_palette(result.get());
    for (unsigned i = 0; i < pal->count; ++i)
        out.palette.push_back({pal->entries[i].r, pal->entries[i].g, pal->entries[i].b, pal->entries[i].a});
    if (clear) keep_clear(rows, std::size_t{1} << bits, out);
    return out;
}

}  // namespace

std::optional<std::vector<Color32>> exact_palette(RgbaRows& rows, std::size_t max_colors) {
    std::vector<Color32> palette;
    std::unordered_map<std::uint32_t, std::uint8_t> seen;
    for (std::uint32_t y = 0; y < rows.height(); ++y) {
        const std::uint8_t* p = rows.row(y);
        for (std::size_t x = 0; x < rows.width(); ++x, p += 4) {
            if (!seen.emplace(key_of(p), 0).second) continue;
            if (palette.size() == max_colors) return std::nullopt;
            palette.push_back({p[0], p[1], p[2], p[3]});
        }
    }
    return palette;
}

std::optional<std::vector<Color32>> exact_palette(RgbaView img, std::size_t max_colors) {
    ViewRows rows(img);
    return exact_palette(rows, max_colors);
}

std::optional<IndexedImage> exact_indexed(RgbaRows& rows, std::size_t max_colors) {
    auto exact = exact_palette(rows, max_colors);
    if (!exact) return std::nullopt;
    return index_exactly(rows, std::move(*exact));
}

std::size_t count_colors(RgbaRows& rows) {
    // Sorting keeps the memory at four bytes a pixel, where a hash set of millions of colours
    // would take ten times that.
    std::vector<std::uint32_t> keys;
    keys.reserve(std::size_t{rows.width()} * rows.height());
    for (std::uint32_t y = 0; y < rows.height(); ++y) {
        const std::uint8_t* p = rows.row(y);
        for (std::size_t x = 0; x < rows.width(); ++x) keys.push_back(key_of(p + x * 4));
    }
    std::sort(keys.begin(), keys.end());
    return static_cast<std::size_t>(std::unique(keys.begin(), keys.end()) - keys.begin());
}

std::optional<IndexedImage> build_palette(RgbaRows& rows, int bits, bool dither) {
    if (auto exact = exact_indexed(rows, std::size_t{1} << bits)) return exact;
    return quantize(rows, bits, dither);
}

std::optional<IndexedImage> build_palette(RgbaView img, int bits, bool dither) {
    ViewRows rows(img);
    return build_palette(rows, bits, dither);
}

RgbaImage expand_palette(const IndexedImage& img, std::uint32_t width, std::uint32_t height) {
    RgbaImage out{width, height, std::vector<std::uint8_t>(std::size_t{width} * height * 4)};
    for (std::size_t i = 0; i < img.index.size() && i < out.size(); ++i) {
        const Color32 c = img.index[i] < img.palette.size() ? img.palette[img.index[i]] : Color32{};
        out.px[i * 4 + 0] = c.r;
        out.px[i * 4 + 1] = c.g;
        out.px[i * 4 + 2] = c.b;
        out.px[i * 4 + 3] = c.a;
    }
    return out;
}

}  // namespace pixmint

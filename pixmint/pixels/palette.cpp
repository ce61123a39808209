#include "pixmint/pixels/palette.h"

#include <libimagequant.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <unordered_map>

extern "C" void omp_set_num_threads(int);

namespace pixmint {

namespace {

constexpr int kQuantizerSpeed = 7;

std::uint32_t key_of(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

// Owning handles for the quantizer's objects.
struct AttrDeleter {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
};
struct ImageDeleter {
    void operator()(liq_image* i) const { liq_image_destroy(i); }
};
struct ResultDeleter {
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};

// The quantizer's allocator. The library does not check every allocation it makes and would read
// through a null pointer when memory runs out, so a failed one never returns: the allocation
// failure unwinds to the run's answer to running out of memory, the owners below freeing what
// the quantizer holds.
void* quantizer_alloc(std::size_t size) {
    void* p = std::malloc(size);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

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

// Hands the quantizer the rows it asks for.
extern "C" void feed_row(liq_color row_out[], int row, int width, void* user) {
    auto* rows = static_cast<RgbaRows*>(user);
    std::memcpy(row_out, rows->row(static_cast<std::uint32_t>(row)), static_cast<std::size_t>(width) * 4);
}

std::optional<IndexedImage> quantize(RgbaRows& rows, int bits, bool dither) {
    // The quantizer splits its work across OpenMP threads, and the order in which their partial
    // sums meet would make the palette depend on the machine. pixmint runs on one thread.
    omp_set_num_threads(1);
    std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create_with_allocator(quantizer_alloc, std::free));
    if (!attr || liq_set_max_colors(attr.get(), 1 << bits) != LIQ_OK) return std::nullopt;
    // Speed 7 of 10 takes a third of the time of the default 4 for a fraction of a dB, which keeps
    // a 2500 x 2500 image well within seconds.
    if (liq_set_speed(attr.get(), kQuantizerSpeed) != LIQ_OK) return std::nullopt;
    // The quantizer asks for rows as it goes (a few passes, each from the top), so that the image
    // need not be held whole beside its own tables; the result is the same as from pixels in memory.
    std::unique_ptr<liq_image, ImageDeleter> image(liq_image_create_custom(
        attr.get(), feed_row, &rows, static_cast<int>(rows.width()), static_cast<int>(rows.height()), 0));
    if (!image) return std::nullopt;
    liq_result* raw_result = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &raw_result) != LIQ_OK) return std::nullopt;
    std::unique_ptr<liq_result, ResultDeleter> result(raw_result);
    // Dithering is on by default in the quantizer; here it is asked for.
    if (liq_set_dithering_level(result.get(), dither ? 1.0f : 0.0f) != LIQ_OK) return std::nullopt;
    IndexedImage out;
    out.index.resize(std::size_t{rows.width()} * rows.height());
    if (liq_write_remapped_image(result.get(), image.get(), out.index.data(), out.index.size()) != LIQ_OK)
        return std::nullopt;
    // The palette is complete only once the image has been remapped.
    const liq_palette* pal = liq_get_palette(result.get());
    for (unsigned i = 0; i < pal->count; ++i)
        out.palette.push_back({pal->entries[i].r, pal->entries[i].g, pal->entries[i].b, pal->entries[i].a});
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

std::optional<IndexedImage> build_palette(RgbaRows& rows, int bits, bool dither) {
    if (auto exact = exact_palette(rows, std::size_t{1} << bits))
        return index_exactly(rows, std::move(*exact));
    return quantize(rows, bits, dither);
}

std::optional<IndexedImage> build_palette(RgbaView img, int bits, bool dither) {
    ViewRows rows(img);
    return build_palette(rows, bits, dither);
}

}  // namespace pixmint

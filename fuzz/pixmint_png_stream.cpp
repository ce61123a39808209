// pixmint's streamed PNG decoding against the reference decoder, byte for byte: whatever a
// stream decodes to its end must be exactly what the raster guard's whole walk and stb_image make
// of the same file, and a file the reference refuses must never stream to its end. Rows are read
// in chunks of a size the input's first byte picks, as the pipeline reads them.
#include <stb_image.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "pixmint/acquire/png_layout.h"
#include "pixmint/acquire/png_stream.h"
#include "pixmint/acquire/raster_guard.h"

namespace {

// Larger images add time, not paths.
constexpr std::uint64_t kMostPixels = std::uint64_t{1} << 20;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "pixmint_png_stream: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    if (pixmint::check_raster_chunks(file) != pixmint::RasterVerdict::decodable) return 0;
    const auto layout = pixmint::plain_png_layout(file);
    if (!layout || std::uint64_t{layout->width} * layout->height > kMostPixels) return 0;
    pixmint::FileHandle none;
    auto stream = pixmint::PngStream::open(none, file, *layout);
    if (stream == nullptr) return 0;
    const std::size_t row_bytes = std::size_t{stream->width()} * static_cast<std::size_t>(stream->channels());
    std::vector<std::uint8_t> rows(row_bytes * stream->height());
    const std::uint32_t chunk = 1 + (size > 8 ? data[size - 1] % 7 : 0);
    for (std::uint32_t y = 0; y < stream->height(); y += chunk) {
        const std::uint32_t n = std::min(chunk, stream->height() - y);
        if (!stream->read(rows.data() + std::size_t{y} * row_bytes, n)) return 0;
    }
    // Streamed to the end: the reference must agree on every byte.
    if (pixmint::check_raster(file) != pixmint::RasterVerdict::decodable)
        fail("the guard refuses a streamed file");
    int w = 0, h = 0, channels = 0;
    stbi_uc* want = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &channels, 0);
    if (want == nullptr) fail("stb_image refuses a streamed file");
    const bool same = static_cast<std::uint32_t>(w) == stream->width() &&
                      static_cast<std::uint32_t>(h) == stream->height() && channels == stream->channels() &&
                      std::memcmp(want, rows.data(), rows.size()) == 0;
    stbi_image_free(want);
    if (!same) fail("a streamed file decodes to other pixels than stb_image's");
    return 0;
}

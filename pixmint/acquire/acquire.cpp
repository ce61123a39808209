#include "pixmint/acquire/acquire.h"

#include <stb_image.h>
#include <stb_image_resize.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>
#include <span>

#include "pixmint/acquire/png_layout.h"
#include "pixmint/acquire/png_palette.h"
#include "pixmint/acquire/png_stream.h"
#include "pixmint/acquire/raster_guard.h"
#include "pixmint/acquire/size_plan.h"
#include "pixmint/acquire/stb_decode.h"
#include "pixmint/acquire/svg_document.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/image_rows.h"

namespace pixmint {

namespace {

// Only regular files are decoded: opening a FIFO (or a device) would wait
// for a writer that may never come.
bool is_regular_file(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Failure svg_failure(SvgFailure failure) {
    switch (failure) {
        case SvgFailure::open_failed:
            return fatal(FailureKind::svg_open);
        case SvgFailure::rasterizer_failed:
            return fatal(FailureKind::svg_rasterizer);
        case SvgFailure::alloc_failed:
            return fatal(FailureKind::svg_alloc);
    }
    return fatal(FailureKind::svg_open);
}

// A source decoded (or ready to be streamed), and the size the outputs are to have.
struct Decoded {
    Acquired image;   // at the source's own size
    Size final_size;  // planned: the size a resize brings it to
};

// The SVG route: the document's intrinsic size decides before anything is rendered.
lvforge::Result<Decoded, Failure> decode_svg(const Options& options) {
    // A rendered document has colours, never a palette of its own.
    if (options.keep_palette) return fatal(FailureKind::not_palette_png);
    if (!is_regular_file(options.image_path)) return fatal(FailureKind::svg_open);
    auto doc = SvgDocument::open(options.image_path);
    if (!doc.ok()) return svg_failure(doc.error());
    auto planned = plan_size(options, {doc.value().width(), doc.value().height()});
    if (!planned.ok()) return planned.error();
    auto rendered = doc.value().render();
    if (!rendered.ok()) return svg_failure(rendered.error());
    Decoded out{{}, planned.value()};
    out.image.rows = std::make_unique<ImageRows>(std::move(rendered.value()));
    return out;
}

// Bytes of a raster file looked at before its declared size is known: far more than any format
// needs before it states its size (a JPEG's segments ahead of its frame are at most 64 KiB each),
// and little enough that a huge file is not read whole before its size has been checked.
constexpr std::size_t kHeadBytes = std::size_t{4} << 20;

// Bytes a raster file may hold per declared pixel, beyond its head: twice what 16-bit RGBA
// stored without compression takes. A longer file is no image the decoder would read to its end.
constexpr std::uint64_t kMaxBytesPerPixel = 16;

using Bytes = std::unique_ptr<std::uint8_t[]>;

// Decoded pixels (as RGBA) from which a PNG is streamed: below them, one chunk of rows or a few
// hold the whole image, and the reference decoder alone is done sooner than a decoding thread is
// set up.
constexpr std::uint64_t kStreamFromBytes = std::uint64_t{512} << 10;

// `n` bytes read from `f` into a new buffer; null when there is no memory or fewer arrive.
Bytes read_bytes(std::FILE* f, std::size_t n) {
    Bytes bytes(new (std::nothrow) std::uint8_t[n == 0 ? 1 : n]);
    if (bytes == nullptr || std::fread(bytes.get(), 1, n, f) != n) return nullptr;
    return bytes;
}

// The size the raster file whose bytes (or first bytes) are `bytes` declares, as the decoder will
// read it. Only the formats pixmint reads get that far, and reading the header already builds a
// JPEG's Huffman tables, so the raster guard looks at those very bytes first.
lvforge::Result<Size, Failure> declared_size(std::span<const std::uint8_t> bytes) {
    int w = 0, h = 0, comp = 0;
    if (check_raster_header(bytes) != RasterVerdict::decodable || bytes.size() > INT_MAX ||
        stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &comp) == 0) {
        return fatal(FailureKind::image_load);
    }
    // The header query passes on a BMP's height as stored: negative for rows stored top first,
    // which the decoder then reads as its magnitude.
    if (raster_format(bytes) == RasterFormat::bmp && h < 0 && h != INT_MIN) h = -h;
    if (w < 0 || h < 0) return fatal(FailureKind::image_load);
    return Size{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)};
}

// The image a palette PNG's own palette and indices show, four components a pixel.
lvforge::Result<Image, Failure> palette_colors(const PalettePng& png) {
    Image image;
    image.width = png.width;
    image.height = png.height;
    image.channels = 4;
    const RgbaImage rgba = expand_palette(png.indexed, png.width, png.height);
    image.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(rgba.px.empty() ? 1 : rgba.px.size())));
    if (image.pixels == nullptr) return fatal(FailureKind::image_load);
    std::copy(rgba.px.begin(), rgba.px.end(), image.pixels.get());
    return image;
}

// Decodes a raster file of one of pixmint's formats, whatever its extension claims; any other
// content is refused before its header is read. The size declared in the file's head decides
// before the file is read whole; the raster guard then sees all of its bytes before a decoder
// does. A plain PNG large enough becomes a stream of rows decoded later, as they are written: the
// guard walks its chunks now and its decoding checks its data as it goes (a guard that inflated
// it first would decode it twice). Anything else is decoded here by the reference decoder. Either
// reads the same open file again rather than a copy in memory, so the file's bytes and the
// decoder's buffers are never held at once, except for a raw format, whose bytes are kept (as
// Acquired::file) as its data and decoded from memory. With --keep-palette the file's bytes are
// read as a palette PNG instead, into Acquired::own_palette.
lvforge::Result<Decoded, Failure> decode_raster(const Options& options) {
    const std::string& path = options.image_path;
    if (!is_regular_file(path)) return fatal(FailureKind::image_load);
    FileHandle f(std::fopen(path.c_str(), "rb"));
    struct stat st {};
    if (f == nullptr || ::fstat(::fileno(f.get()), &st) != 0 || st.st_size < 0 || st.st_size > INT_MAX) {
        return fatal(FailureKind::image_load);
    }
    const auto length = static_cast<std::size_t>(st.st_size);
    const std::size_t head_length = std::min(length, kHeadBytes);
    Bytes head = read_bytes(f.get(), head_length);
    if (head == nullptr) return fatal(FailureKind::image_load);
    const std::span<const std::uint8_t> head_bytes(head.get(), head_length);
    auto declared = declared_size(head_bytes);
    if (!declared.ok()) return declared.error();
    auto planned = plan_size(options, declared.value());
    if (!planned.ok()) return planned.error();
    if (length > kHeadBytes + kMaxBytesPerPixel * declared.value().width * declared.value().height) {
        return fatal(FailureKind::image_load);
    }

    Bytes whole(new (std::nothrow) std::uint8_t[length == 0 ? 1 : length]);
    if (whole == nullptr) return fatal(FailureKind::image_load);
    std::copy_n(head.get(), head_length, whole.get());
    head.reset();
    // The file must end where its length said, or the decoder would read bytes the guard did not.
    if (std::fread(whole.get() + head_length, 1, length - head_length, f.get()) != length - head_length ||
        std::fgetc(f.get()) != EOF) {
        return fatal(FailureKind::image_load);
    }
    const std::span<const std::uint8_t> bytes(whole.get(), length);
    std::optional<PngLayout> png;
    if (!options.keep_palette) {
        png = plain_png_layout(bytes);
        if (png && std::uint64_t{png->width} * png->height * 4 < kStreamFromBytes) png.reset();
    }
    // A declared size too large to decode is a better reason than missing data, though.
    const RasterVerdict verdict = png ? check_raster_chunks(bytes) : check_raster(bytes);
    declared = declared_size(bytes);
    if (!declared.ok()) return declared.error();
    planned = plan_size(options, declared.value());
    if (!planned.ok()) return planned.error();
    // With --keep-palette the palette reader, not the decoder, reads the indices, and names one past
    // the palette in a message of its own.
    const bool own_palette_reads_it =
        options.keep_palette && verdict == RasterVerdict::png_index_outside_palette;
    if (verdict != RasterVerdict::decodable && !own_palette_reads_it) return fatal(FailureKind::image_load);
    if (options.keep_palette) {
        auto palette_png = read_palette_png(bytes);
        if (!palette_png.ok()) return palette_png.error();
        planned = plan_size(options, {palette_png.value().width, palette_png.value().height});
        if (!planned.ok()) return planned.error();
        auto image = palette_colors(palette_png.value());
        if (!image.ok()) return image.error();
        Decoded out{{}, planned.value()};
        out.image.own_palette = std::move(palette_png.value().indexed);
        out.image.rows = std::make_unique<ImageRows>(std::move(image.value()));
        return out;
    }
    // The bytes a raw format keeps: the buffer moves with `out`, so a stream may read them.
    Decoded out{{}, planned.value()};
    FileBytes& keep = out.image.file;
    const bool raw = family_of(options.format) == FormatFamily::raw;
    if (raw) {
        keep.data = std::move(whole);
        keep.size = length;
    }
    if (png) {
        if (auto stream = PngStream::open(f, keep.span(), *png)) {
            out.image.rows = std::move(stream);
            return out;
        }
        // The compressed data's header was refused: the reference decoder decides, after the whole
        // guard.
        if (check_raster(bytes) != RasterVerdict::decodable) return fatal(FailureKind::image_load);
    }
    whole.reset();
    auto decoded = stb_decode(f.get(), keep.span());
    if (!decoded.ok()) return decoded.error();
    Image& image = decoded.value();
    // The pixels decide should they disagree with the header.
    planned = plan_size(options, {image.width, image.height});
    if (!planned.ok()) return planned.error();
    out.final_size = planned.value();
    out.image.rows = std::make_unique<ImageRows>(std::move(image));
    return out;
}

// The component the resampler treats as alpha: the last one of grey + alpha and of RGBA, so that
// alpha is filtered linearly and colour is weighted by it. An image whose alpha is 255 everywhere
// has nothing to weight: naming its alpha would only let float rounding flip a byte in a million,
// so opaque images are resampled exactly as before.
int alpha_component(const Image& image) {
    if (image.channels != 2 && image.channels != 4) return STBIR_ALPHA_CHANNEL_NONE;
    const std::size_t step = static_cast<std::size_t>(image.channels);
    const std::size_t end = std::size_t{image.width} * image.height * step;
    for (std::size_t i = step - 1; i < end; i += step) {
        if (image.pixels[i] != 255) return image.channels - 1;
    }
    return STBIR_ALPHA_CHANNEL_NONE;
}

// Working memory the resampler may take for one pass. When it shrinks rows it keeps a ring of
// float rows as tall as its filter, and the filter widens with the shrink: about
// 16 x channels x output width x (rows in / rows out) bytes, which for a tall image squeezed to
// a few rows runs to gigabytes (and past what its own int arithmetic can count).
constexpr std::uint64_t kResampleBudget = std::uint64_t{64} << 20;

// The height the next pass may shrink `from` rows to, on its way to `to`, with rows of
// `width` x `channels` staying within kResampleBudget; `to` itself whenever it fits, as it does
// for every ordinary resize, which therefore takes exactly one pass.
std::uint32_t next_pass_height(std::uint32_t from, std::uint32_t to, std::uint32_t width, int channels) {
    const std::uint64_t row_cost = std::uint64_t{16} * static_cast<std::uint64_t>(channels) * width;
    const std::uint64_t max_ratio = std::max<std::uint64_t>(2, kResampleBudget / row_cost);
    if (to >= from || (from + to - 1) / to <= max_ratio) return to;
    return static_cast<std::uint32_t>((from + max_ratio - 1) / max_ratio);
}

// One resampling pass from `source` to width x height; no pixels when it failed.
Image resample(const Image& source, std::uint32_t width, std::uint32_t height) {
    Image out;
    out.width = width;
    out.height = height;
    out.channels = source.channels;
    const std::size_t bytes = std::size_t{width} * height * static_cast<std::size_t>(source.channels);
    out.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(bytes)));
    const bool resampled =
        out.pixels != nullptr &&
        stbir_resize(source.pixels.get(), static_cast<int>(source.width), static_cast<int>(source.height), 0,
                     out.pixels.get(), static_cast<int>(width), static_cast<int>(height), 0, STBIR_TYPE_UINT8,
                     source.channels, alpha_component(source), 0, STBIR_EDGE_CLAMP, STBIR_EDGE_CLAMP,
                     STBIR_FILTER_DEFAULT, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr) != 0;
    // No memory, or the resampler failed (its own working memory): no pixels rather than
    // undefined ones.
    if (!resampled) out.pixels.reset();
    return out;
}

// Resamples `source` to `size` (planned, so within the size limit), in as many passes as keep the
// resampler's working memory bounded. A failed resampling leaves the target size without pixels.
Image resize(Image source, Size size) {
    Image current = std::move(source);
    do {
        const std::uint32_t height =
            next_pass_height(current.height, size.height, size.width, current.channels);
        current = resample(current, size.width, height);
    } while (current.pixels != nullptr && current.height != size.height);
    if (current.pixels == nullptr) current.height = size.height;
    return current;
}

}  // namespace

lvforge::Result<Acquired, Failure> acquire_image(const Options& options) {
    auto decoded = options.kind == ImageKind::svg ? decode_svg(options) : decode_raster(options);
    if (!decoded.ok()) return decoded.error();
    Acquired& out = decoded.value().image;
    if (!wants_resize(options)) return std::move(out);
    // The resampler takes the image whole: a stream is decoded into memory first. A palette does
    // not survive resampling.
    out.own_palette.reset();
    out.rows = whole_image(std::move(out.rows));
    if (out.rows == nullptr) return fatal(FailureKind::image_load);
    auto* whole = static_cast<ImageRows*>(out.rows.get());
    Image resized = resize(whole->take(), decoded.value().final_size);
    out.resampling_failed = resized.pixels == nullptr;
    out.rows = std::make_unique<ImageRows>(std::move(resized));
    return std::move(out);
}

}  // namespace pixmint

#include "acquire.h"

#include <stb_image.h>
#include <stb_image_resize.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "raster_guard.h"
#include "size_plan.h"
#include "svg_render.h"
#include "whole_file.h"

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
        case SvgFailure::open_failed: return fatal(FailureKind::svg_open);
        case SvgFailure::rasterizer_failed: return fatal(FailureKind::svg_rasterizer);
        case SvgFailure::alloc_failed: return fatal(FailureKind::svg_alloc);
    }
    return fatal(FailureKind::svg_open);
}

// The SVG route: the document's intrinsic size decides before anything is rendered.
Result<Image, Failure> decode_svg(const Options& options, Size& final_size) {
    if (!is_regular_file(options.image_path)) return fatal(FailureKind::svg_open);
    auto doc = SvgDocument::open(options.image_path);
    if (!doc.ok()) return svg_failure(doc.error());
    auto planned = plan_size(options, {doc.value().width(), doc.value().height()});
    if (!planned.ok()) return planned.error();
    final_size = planned.value();
    auto rendered = doc.value().render();
    if (!rendered.ok()) return svg_failure(rendered.error());
    return std::move(rendered.value());
}

// Decodes a raster file, whatever its extension claims: the raster guard sees the bytes first,
// and the declared size from the header decides before any pixel is decoded.
Result<Image, Failure> decode_raster(const Options& options, Size& final_size) {
    const std::string& path = options.image_path;
    lvforge::WholeFile file;
    if (!is_regular_file(path) || lvforge::read_whole_file(path.c_str(), file) != lvforge::ReadStatus::ok ||
        file.size > INT_MAX) {
        return fatal(FailureKind::image_load);
    }
    const auto* bytes = reinterpret_cast<const stbi_uc*>(file.data.get());
    const int length = static_cast<int>(file.size);
    // Reading the header already builds a JPEG's Huffman tables, so an oversized one is refused
    // first; a declared size too large to decode is a better reason than missing data, though.
    const RasterVerdict verdict = check_raster({bytes, file.size});
    int w = 0, h = 0, comp = 0;
    if (verdict == RasterVerdict::jpeg_huffman_overflow || stbi_info_from_memory(bytes, length, &w, &h, &comp) == 0 ||
        w < 0 || h < 0) {
        return fatal(FailureKind::image_load);
    }
    auto planned = plan_size(options, {static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)});
    if (!planned.ok()) return planned.error();
    if (verdict != RasterVerdict::decodable) return fatal(FailureKind::image_load);

    Image image;
    image.pixels = PixelBuffer(stbi_load_from_memory(bytes, length, &w, &h, &comp, 0), PixelRelease{stbi_image_free});
    if (image.pixels == nullptr || w < 0 || h < 0 || comp < 1 || comp > 4) return fatal(FailureKind::image_load);
    image.width = static_cast<std::uint32_t>(w);
    image.height = static_cast<std::uint32_t>(h);
    image.channels = comp;
    // The pixels decide should they disagree with the header.
    planned = plan_size(options, {image.width, image.height});
    if (!planned.ok()) return planned.error();
    final_size = planned.value();
    return image;
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

// Resamples `source` to `size` (planned, so within the size limit). A failed resampling is a
// pending failure: the result then has the target size but no pixels.
Acquired resize(Image source, Size size) {
    Acquired out;
    out.image.width = size.width;
    out.image.height = size.height;
    out.image.channels = source.channels;
    const std::size_t bytes = std::size_t{size.width} * size.height * static_cast<std::size_t>(source.channels);
    out.image.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(bytes)));
    const bool resampled =
        out.image.pixels != nullptr &&
        stbir_resize(source.pixels.get(), static_cast<int>(source.width), static_cast<int>(source.height), 0,
                     out.image.pixels.get(), static_cast<int>(size.width), static_cast<int>(size.height), 0,
                     STBIR_TYPE_UINT8, source.channels, alpha_component(source), 0, STBIR_EDGE_CLAMP,
                     STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB,
                     nullptr) != 0;
    if (!resampled) {
        // No memory, or the resampler failed (its own working memory): the
        // writer gets no pixels rather than undefined ones.
        out.image.pixels.reset();
        out.failure = pending(FailureKind::resize_alloc);
    }
    return out;
}

}  // namespace

Acquired acquire_image(const Options& options) {
    Size size;
    auto decoded = options.kind == ImageKind::svg ? decode_svg(options, size) : decode_raster(options, size);
    if (!decoded.ok()) return {Image{}, decoded.error()};
    if (wants_resize(options)) return resize(std::move(decoded.value()), size);
    return {std::move(decoded.value()), std::nullopt};
}

}  // namespace pixmint

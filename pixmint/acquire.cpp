#include "acquire.h"

#include <stb_image.h>
#include <stb_image_resize.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "svg_render.h"

namespace pixmint {

namespace {

// Only regular files are decoded: opening a FIFO (or a device) would wait
// for a writer that may never come.
bool is_regular_file(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Result<Image, Failure> decode_svg(const std::string& path) {
    if (!is_regular_file(path)) return fatal(FailureKind::svg_open);
    auto rendered = render_svg(path);
    if (rendered.ok()) return std::move(rendered.value());
    switch (rendered.error()) {
        case SvgFailure::open_failed: return fatal(FailureKind::svg_open);
        case SvgFailure::rasterizer_failed: return fatal(FailureKind::svg_rasterizer);
        case SvgFailure::alloc_failed: return fatal(FailureKind::svg_alloc);
    }
    return fatal(FailureKind::svg_open);
}

// Decodes a raster file, whatever its extension claims.
Result<Image, Failure> decode_raster(const std::string& path) {
    if (!is_regular_file(path)) return fatal(FailureKind::image_load);
    int w = 0, h = 0, comp = 0;
    Image image;
    image.pixels = PixelBuffer(stbi_load(path.c_str(), &w, &h, &comp, 0), PixelRelease{stbi_image_free});
    if (image.pixels == nullptr || w < 0 || h < 0 || comp < 1 || comp > 4) return fatal(FailureKind::image_load);
    image.width = static_cast<std::uint32_t>(w);
    image.height = static_cast<std::uint32_t>(h);
    image.channels = comp;
    return image;
}

// Bytes of a w x h x channels buffer, or 0 when that can't be represented in
// the resampler's own (int) size arithmetic.
std::size_t buffer_bytes(std::int64_t w, std::int64_t h, std::int64_t channels) {
    if (w <= 0 || h <= 0 || channels <= 0) return 0;
    if (w > INT_MAX / h || w * h > INT_MAX / channels) return 0;
    return static_cast<std::size_t>(w * h * channels);
}

// Resamples `source` to the requested size. A failed resampling is a pending failure: the result
// then has the target size but no pixels.
Acquired resize(const Options& options, Image source) {
    std::int64_t target_w = options.width ? std::int64_t{*options.width} : std::int64_t{source.width};
    if (options.premultiply) {
        // The zintra GPU wants the width cut to a multiple of 16 and then one
        // more block of 16 added, even when it already was a multiple.
        target_w = (target_w & ~std::int64_t{15}) + 16;
    }
    const std::int64_t target_h = options.height ? std::int64_t{*options.height} : std::int64_t{source.height};
    // A target below one pixel, or an empty source, is no image to resample.
    if (target_w < 1 || target_h < 1 || target_w > UINT32_MAX || target_h > UINT32_MAX || source.width == 0 ||
        source.height == 0) {
        return {Image{}, fatal(FailureKind::invalid_size)};
    }

    Acquired out;
    out.image.width = static_cast<std::uint32_t>(target_w);
    out.image.height = static_cast<std::uint32_t>(target_h);
    out.image.channels = source.channels;
    const std::size_t bytes = buffer_bytes(target_w, target_h, source.channels);
    if (bytes != 0) out.image.pixels = PixelBuffer(static_cast<std::uint8_t*>(std::malloc(bytes)));
    const bool resampled =
        out.image.pixels != nullptr &&
        stbir_resize(source.pixels.get(), static_cast<int>(source.width), static_cast<int>(source.height), 0,
                     out.image.pixels.get(), static_cast<int>(target_w), static_cast<int>(target_h), 0,
                     STBIR_TYPE_UINT8, source.channels, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
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
    auto decoded = options.kind == ImageKind::svg ? decode_svg(options.image_path)
                                                  : decode_raster(options.image_path);
    if (!decoded.ok()) return {Image{}, decoded.error()};
    if (options.width || options.height || options.premultiply) return resize(options, std::move(decoded.value()));
    return {std::move(decoded.value()), std::nullopt};
}

std::optional<Failure> check_size_limit(const Image& image) {
    if (image.height > kMaxImageSide || image.width > kMaxImageSide) return pending(FailureKind::size_limit);
    return std::nullopt;
}

}  // namespace pixmint

#include "acquire.h"

#include <stb_image.h>
#include <stb_image_resize.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "svg_render.h"

namespace pixmint {

namespace {

// Only regular files are decoded: opening a FIFO (or a device) would wait
// for a writer that may never come.
bool is_regular_file(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// Decodes through the SVG renderer; false after printing the failure.
bool decode_svg(const char* path, ImageJob& job, AcquiredImage& image) {
    std::uint32_t w = 0, h = 0;
    const SvgStatus status =
        is_regular_file(path) ? render_svg(path, &image.decoded, &w, &h) : SvgStatus::open_failed;
    switch (status) {
        case SvgStatus::ok:
            break;
        case SvgStatus::open_failed:
            std::puts("Could not open SVG image.");
            return false;
        case SvgStatus::rasterizer_failed:
            std::puts("Could not init rasterizer.");
            return false;
        case SvgStatus::alloc_failed:
            std::puts("Could not alloc image buffer.");
            return false;
    }
    job.width = w;
    job.height = h;
    job.channels = 4;
    return true;
}

// Decodes a raster file, whatever its extension claims; false after printing the failure.
bool decode_raster(const char* path, ImageJob& job, AcquiredImage& image) {
    int w = 0, h = 0, comp = 0;
    image.decoded = is_regular_file(path) ? stbi_load(path, &w, &h, &comp, 0) : nullptr;
    if (image.decoded == nullptr || w < 0 || h < 0 || comp < 1 || comp > 4) {
        std::puts("Error: Failed to load the image");
        return false;
    }
    job.width = static_cast<std::uint32_t>(w);
    job.height = static_cast<std::uint32_t>(h);
    job.channels = comp;
    return true;
}

// Bytes of a w x h x channels buffer, or 0 when that can't be represented in
// the resampler's own (int) size arithmetic.
std::size_t buffer_bytes(std::int64_t w, std::int64_t h, std::int64_t channels) {
    if (w <= 0 || h <= 0 || channels <= 0) return 0;
    if (w > INT_MAX / h || w * h > INT_MAX / channels) return 0;
    return static_cast<std::size_t>(w * h * channels);
}

// Resamples to the requested size; false (after the message) when the target is no image.
bool resize(ImageJob& job, const ResizeRequest& request, AcquiredImage& image) {
    std::int64_t target_w = (request.given & 1u) ? std::int64_t{request.req_width} : std::int64_t{job.width};
    if (job.premultiply) {
        // The zintra GPU wants the width cut to a multiple of 16 and then one
        // more block of 16 added, even when it already was a multiple.
        target_w = (target_w & ~std::int64_t{15}) + 16;
    }
    const std::int64_t target_h = (request.given & 2u) ? std::int64_t{request.req_height} : std::int64_t{job.height};
    // A target below one pixel, or an empty source, is no image to resample.
    if (target_w < 1 || target_h < 1 || target_w > UINT32_MAX || target_h > UINT32_MAX || job.width == 0 ||
        job.height == 0) {
        std::puts("Error: Invalid image size.");
        return false;
    }

    const std::size_t bytes = buffer_bytes(target_w, target_h, job.channels);
    image.resized = bytes == 0 ? nullptr : static_cast<std::uint8_t*>(std::malloc(bytes));
    bool resampled = false;
    if (image.resized != nullptr) {
        resampled = stbir_resize(image.decoded, static_cast<int>(job.width), static_cast<int>(job.height), 0,
                                 image.resized, static_cast<int>(target_w), static_cast<int>(target_h), 0,
                                 STBIR_TYPE_UINT8, job.channels, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                                 STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_FILTER_DEFAULT,
                                 STBIR_COLORSPACE_SRGB, nullptr) != 0;
    }
    if (!resampled) {
        // No memory, or the resampler failed (its own working memory, or an
        // empty source): the writer gets no pixels rather than undefined ones.
        std::free(image.resized);
        image.resized = nullptr;
        std::puts("Error: Failed to alloc memory for resize data.");
        image.pending_failure = true;
    }
    job.width = static_cast<std::uint32_t>(target_w);
    job.height = static_cast<std::uint32_t>(target_h);
    image.to_write = image.resized;
    return true;
}

}  // namespace

AcquiredImage acquire_image(const char* path, ImageJob& job, const ResizeRequest& request) {
    AcquiredImage image;
    const bool decoded = job.img_type == kSvg ? decode_svg(path, job, image) : decode_raster(path, job, image);
    if (!decoded) {
        image.fatal = true;
        return image;
    }
    image.to_write = image.decoded;

    if ((request.given != 0 || job.premultiply) && !resize(job, request, image)) {
        image.fatal = true;
        return image;
    }

    job.data_size = std::int64_t{job.width} * job.height;
    if (job.height > kMaxImageSide || job.width > kMaxImageSide) {
        std::printf("Error: Image size out of limit. ");
        std::printf("The width and height should not exceed %d !\n ", static_cast<int>(kMaxImageSide));
        image.pending_failure = true;
    }
    return image;
}

void release_image(AcquiredImage& image) {
    stbi_image_free(image.decoded);
    stbi_image_free(image.resized);
    image.decoded = nullptr;
    image.resized = nullptr;
    image.to_write = nullptr;
}

}  // namespace pixmint

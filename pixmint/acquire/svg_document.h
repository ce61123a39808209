// SVG documents: their intrinsic size, then straight RGBA pixels rendered at it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/result.h"
#include "pixmint/pixels/image.h"

namespace pixmint {

enum class SvgFailure {
    open_failed,        // missing, unreadable or invalid document, or one without a usable size
    rasterizer_failed,  // the renderer, the render surface or its context could not be had
    alloc_failed,       // no memory for the pixel buffer
};

// Releases a librsvg handle through the loaded library.
struct SvgHandleRelease {
    void (*unref)(void*) = nullptr;
    void operator()(void* handle) const { unref(handle); }
};

// A parsed SVG document, sized but not yet rendered.
class SvgDocument {
   public:
    // Parses `path` at 96 dpi; fails when the renderer can't be loaded or the document has no
    // usable size (its width and height, or failing those its viewBox).
    static lvforge::Result<SvgDocument, SvgFailure> open(const std::string& path);

    // Intrinsic size in pixels, truncated toward zero (100.9 gives 100).
    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }

    // Renders at scale 1, offset (0, 0), into width() x height() 4-component straight RGBA pixels.
    lvforge::Result<Image, SvgFailure> render() const;

   private:
    std::unique_ptr<void, SvgHandleRelease> handle_;
    double exact_width_ = 0, exact_height_ = 0;  // unrounded, for the viewport
    std::uint32_t width_ = 0, height_ = 0;
};

}  // namespace pixmint

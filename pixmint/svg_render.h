// SVG documents rendered to straight RGBA pixels at their intrinsic size.
#pragma once

#include <cstdint>

namespace pixmint {

enum class SvgStatus {
    ok,
    open_failed,        // missing, unreadable or invalid document, or one without a usable size
    rasterizer_failed,  // the render surface or its context could not be made
    alloc_failed,       // no memory for the pixel buffer
};

// Renders `path` at 96 dpi, scale 1, offset (0, 0), into a malloc'ed buffer of width x height
// 4-component straight RGBA pixels; width and height are the document's intrinsic size in
// pixels truncated toward zero (its viewBox size when it has no width and height).
SvgStatus render_svg(const char* path, std::uint8_t** pixels, std::uint32_t* width, std::uint32_t* height);

}  // namespace pixmint

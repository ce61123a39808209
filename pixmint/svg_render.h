// SVG documents rendered to straight RGBA pixels at their intrinsic size.
#pragma once

#include <string>

#include "image.h"
#include "result.h"

namespace pixmint {

enum class SvgFailure {
    open_failed,        // missing, unreadable or invalid document, or one without a usable size
    rasterizer_failed,  // the renderer, the render surface or its context could not be had
    alloc_failed,       // no memory for the pixel buffer
};

// Renders `path` at 96 dpi, scale 1, offset (0, 0), into 4-component straight RGBA pixels; the
// size is the document's intrinsic size in pixels truncated toward zero (its viewBox size when
// it has no width and height).
Result<Image, SvgFailure> render_svg(const std::string& path);

}  // namespace pixmint

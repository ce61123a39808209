// librsvg and cairo, loaded only when an SVG is converted: linking them
// would make every raster run pay for loading some fifty shared libraries.
#pragma once

#include <cairo.h>
#include <librsvg/rsvg.h>

namespace pixmint {

// The library calls the SVG route makes, resolved from the loaded librsvg and its dependencies.
struct SvgLibrary {
    decltype(&::rsvg_handle_new_from_file) new_from_file;
    decltype(&::rsvg_handle_set_dpi) set_dpi;
    decltype(&::rsvg_handle_get_intrinsic_size_in_pixels) intrinsic_size_in_pixels;
    decltype(&::rsvg_handle_get_intrinsic_dimensions) intrinsic_dimensions;
    decltype(&::rsvg_handle_render_document) render_document;
    decltype(&::g_object_unref) object_unref;
    decltype(&::g_error_free) error_free;
    decltype(&::cairo_image_surface_create_for_data) image_surface_create_for_data;
    decltype(&::cairo_surface_status) surface_status;
    decltype(&::cairo_surface_flush) surface_flush;
    decltype(&::cairo_surface_destroy) surface_destroy;
    decltype(&::cairo_create) create;
    decltype(&::cairo_status) status;
    decltype(&::cairo_destroy) destroy;
};

// The loaded library, or null when it or one of its calls can't be found. Loads it once.
const SvgLibrary* svg_library();

}  // namespace pixmint

#include "pixmint/acquire/svg_library.h"

#include "pixmint/pixels/run_time_library.h"

namespace pixmint {

namespace {

bool fill(void* lib, SvgLibrary& l) {
    return resolve(lib, "rsvg_handle_new_from_file", l.new_from_file) &&
           resolve(lib, "rsvg_handle_set_dpi", l.set_dpi) &&
           resolve(lib, "rsvg_handle_get_intrinsic_size_in_pixels", l.intrinsic_size_in_pixels) &&
           resolve(lib, "rsvg_handle_get_intrinsic_dimensions", l.intrinsic_dimensions) &&
           resolve(lib, "rsvg_handle_render_document", l.render_document) &&
           resolve(lib, "g_object_unref", l.object_unref) && resolve(lib, "g_error_free", l.error_free) &&
           resolve(lib, "cairo_image_surface_create_for_data", l.image_surface_create_for_data) &&
           resolve(lib, "cairo_surface_status", l.surface_status) &&
           resolve(lib, "cairo_surface_flush", l.surface_flush) &&
           resolve(lib, "cairo_surface_destroy", l.surface_destroy) &&
           resolve(lib, "cairo_create", l.create) && resolve(lib, "cairo_status", l.status) &&
           resolve(lib, "cairo_destroy", l.destroy);
}

}  // namespace

const SvgLibrary* svg_library() {
    // GLib and cairo come with librsvg.
    return load_once<SvgLibrary>("librsvg-2.so.2", fill);
}

}  // namespace pixmint

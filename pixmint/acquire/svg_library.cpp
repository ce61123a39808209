#include "pixmint/acquire/svg_library.h"

#include <dlfcn.h>

namespace pixmint {

namespace {

// Resolves `name` into `fn`; false when it is missing.
template <class Fn>
bool resolve(void* lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(::dlsym(lib, name));
    return fn != nullptr;
}

bool load(SvgLibrary& l) {
    // The library stays loaded for the rest of the run; its dependencies
    // (GLib, cairo) come with it and are searched by dlsym too.
    void* lib = ::dlopen("librsvg-2.so.2", RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
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
    static SvgLibrary library{};
    static const bool loaded = load(library);
    return loaded ? &library : nullptr;
}

}  // namespace pixmint

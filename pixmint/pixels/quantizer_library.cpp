#include "pixmint/pixels/quantizer_library.h"

#include <dlfcn.h>

namespace pixmint {

namespace {

// The soname of the library Debian's libimagequant0 ships; the .so without a version belongs to
// the development package and need not be installed where pixmint runs.
constexpr const char* kSoname = "libimagequant.so.0";

// Resolves `name` into `fn`; false when it is missing.
template <class Fn>
bool resolve(void* lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(::dlsym(lib, name));
    return fn != nullptr;
}

bool load(QuantizerLibrary& l) {
    // The library stays loaded for the rest of the run. It brings the OpenMP runtime as its own
    // dependency, which dlsym searches too.
    void* lib = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
    return resolve(lib, "liq_attr_create_with_allocator", l.attr_create_with_allocator) &&
           resolve(lib, "liq_attr_destroy", l.attr_destroy) &&
           resolve(lib, "liq_set_max_colors", l.set_max_colors) &&
           resolve(lib, "liq_set_speed", l.set_speed) &&
           resolve(lib, "liq_image_create_custom", l.image_create_custom) &&
           resolve(lib, "liq_image_destroy", l.image_destroy) &&
           resolve(lib, "liq_image_add_fixed_color", l.image_add_fixed_color) &&
           resolve(lib, "liq_image_quantize", l.image_quantize) &&
           resolve(lib, "liq_set_dithering_level", l.set_dithering_level) &&
           resolve(lib, "liq_write_remapped_image", l.write_remapped_image) &&
           resolve(lib, "liq_get_palette", l.get_palette) &&
           resolve(lib, "liq_result_destroy", l.result_destroy) &&
           resolve(lib, "omp_set_num_threads", l.omp_set_num_threads);
}

}  // namespace

const QuantizerLibrary* quantizer_library() {
    static QuantizerLibrary library{};
    static const bool loaded = load(library);
    return loaded ? &library : nullptr;
}

}  // namespace pixmint

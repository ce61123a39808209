#include "pixmint/pixels/quantizer_library.h"

#include "pixmint/pixels/run_time_library.h"

namespace pixmint {

namespace {

// The soname of the library Debian's libimagequant0 ships; the .so without a version belongs to
// the development package and need not be installed where pixmint runs.
constexpr const char* kSoname = "libimagequant.so.0";

bool fill(void* lib, QuantizerLibrary& l) {
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
    // The OpenMP runtime comes with libimagequant.
    return load_once<QuantizerLibrary>(kSoname, fill);
}

}  // namespace pixmint

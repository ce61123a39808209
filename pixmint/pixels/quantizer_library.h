// libimagequant, loaded only when a palette has to be quantized: linked, it
// and the OpenMP runtime it needs would be loaded by every run, true colour
// included, for the few that convert an image with too many colours to an
// indexed format.
#pragma once

#include <libimagequant.h>

namespace pixmint {

// The quantizer calls the palette route makes, resolved from the loaded libimagequant and its
// OpenMP runtime.
struct QuantizerLibrary {
    decltype(&::liq_attr_create_with_allocator) attr_create_with_allocator;
    decltype(&::liq_attr_destroy) attr_destroy;
    decltype(&::liq_set_max_colors) set_max_colors;
    decltype(&::liq_set_speed) set_speed;
    decltype(&::liq_image_create_custom) image_create_custom;
    decltype(&::liq_image_destroy) image_destroy;
    decltype(&::liq_image_add_fixed_color) image_add_fixed_color;
    decltype(&::liq_image_quantize) image_quantize;
    decltype(&::liq_set_dithering_level) set_dithering_level;
    decltype(&::liq_write_remapped_image) write_remapped_image;
    decltype(&::liq_get_palette) get_palette;
    decltype(&::liq_result_destroy) result_destroy;
    void (*omp_set_num_threads)(int);
};

// The loaded library, or null when it or one of its calls can't be found. Loads it once.
const QuantizerLibrary* quantizer_library();

}  // namespace pixmint

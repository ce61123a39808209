// libspng, loaded only when --keep-palette reads a palette PNG: linked, it and
// zlib behind it would be loaded by every run, for the few that keep a palette.
#pragma once

#include <spng.h>

namespace pixmint {

// The libspng calls the palette PNG reader makes, resolved from the loaded library.
struct SpngLibrary {
    decltype(&::spng_ctx_new) ctx_new;
    decltype(&::spng_ctx_free) ctx_free;
    decltype(&::spng_set_crc_action) set_crc_action;
    decltype(&::spng_set_png_buffer) set_png_buffer;
    decltype(&::spng_get_ihdr) get_ihdr;
    decltype(&::spng_get_plte) get_plte;
    decltype(&::spng_get_trns) get_trns;
    decltype(&::spng_decoded_image_size) decoded_image_size;
    decltype(&::spng_decode_image) decode_image;
};

// The loaded library, or null when it or one of its calls can't be found. Loads it once.
const SpngLibrary* spng_library();

}  // namespace pixmint

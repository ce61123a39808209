// libspng, loaded only by the runs that use it: a preview, --keep-palette
// reading a palette PNG. Linked, it would be loaded by every run, the small
// icons converted in a few milliseconds included.
#pragma once

#include <spng.h>

namespace pixmint {

// The libspng calls pixmint makes, resolved from the loaded library.
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
    decltype(&::spng_set_png_stream) set_png_stream;
    decltype(&::spng_set_ihdr) set_ihdr;
    decltype(&::spng_set_option) set_option;
    decltype(&::spng_encode_image) encode_image;
    decltype(&::spng_encode_row) encode_row;
};

// The loaded library, or null when it or one of its calls can't be found. Loads it once.
const SpngLibrary* spng_library();

}  // namespace pixmint

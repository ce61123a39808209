#include "pixmint/pixels/spng_library.h"

#include "pixmint/pixels/run_time_library.h"

namespace pixmint {

namespace {

// The soname of the library Debian's libspng0 ships.
constexpr const char* kSoname = "libspng.so.0";

bool fill(void* lib, SpngLibrary& l) {
    return resolve(lib, "spng_ctx_new", l.ctx_new) && resolve(lib, "spng_ctx_free", l.ctx_free) &&
           resolve(lib, "spng_set_crc_action", l.set_crc_action) &&
           resolve(lib, "spng_set_png_buffer", l.set_png_buffer) &&
           resolve(lib, "spng_get_ihdr", l.get_ihdr) && resolve(lib, "spng_get_plte", l.get_plte) &&
           resolve(lib, "spng_get_trns", l.get_trns) &&
           resolve(lib, "spng_decoded_image_size", l.decoded_image_size) &&
           resolve(lib, "spng_decode_image", l.decode_image) &&
           resolve(lib, "spng_set_png_stream", l.set_png_stream) &&
           resolve(lib, "spng_set_ihdr", l.set_ihdr) && resolve(lib, "spng_set_option", l.set_option) &&
           resolve(lib, "spng_encode_image", l.encode_image) && resolve(lib, "spng_encode_row", l.encode_row);
}

}  // namespace

const SpngLibrary* spng_library() {
    // zlib comes with libspng.
    return load_once<SpngLibrary>(kSoname, fill);
}

}  // namespace pixmint

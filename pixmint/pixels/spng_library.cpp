#include "pixmint/pixels/spng_library.h"

#include <dlfcn.h>

namespace pixmint {

namespace {

// The soname of the library Debian's libspng0 ships.
constexpr const char* kSoname = "libspng.so.0";

// Resolves `name` into `fn`; false when it is missing.
template <class Fn>
bool resolve(void* lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(::dlsym(lib, name));
    return fn != nullptr;
}

bool load(SpngLibrary& l) {
    // The library stays loaded for the rest of the run; zlib comes with it.
    void* lib = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
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
    static SpngLibrary library{};
    static const bool loaded = load(library);
    return loaded ? &library : nullptr;
}

}  // namespace pixmint

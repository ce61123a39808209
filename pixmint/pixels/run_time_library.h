// Libraries loaded at run time, on the routes that need them (librsvg,
// libimagequant, libspng, liblz4): linked, each would be loaded by every
// run. Each is opened once and its calls resolved into a table of its own.
#pragma once

#include <dlfcn.h>

namespace pixmint {

// Resolves `name` from the loaded library `lib` into `fn`; false when it is missing.
template <class Fn>
bool resolve(void* lib, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(::dlsym(lib, name));
    return fn != nullptr;
}

// `Table` filled by `fill` from the library `soname`, loaded on the first call and kept for the rest
// of the run (its own dependencies with it, which dlsym searches too); null when the library or one
// of its calls can't be found.
template <class Table>
const Table* load_once(const char* soname, bool (*fill)(void* lib, Table& table)) {
    static Table table{};
    static const bool loaded = [&] {
        void* lib = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        return lib != nullptr && fill(lib, table);
    }();
    return loaded ? &table : nullptr;
}

}  // namespace pixmint

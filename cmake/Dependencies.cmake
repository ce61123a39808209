# Every third-party library comes from Debian's packages through pkg-config;
# scripts/setup.sh installs them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
# lvforge::stb: stb linked from Debian's static archive into pixmint. Every run
# decodes an image, and loading libstb.so (and libm with it) took a quarter of
# a small conversion's time. The archive is built from the same sources as the
# shared library, so the decoders are the system's all the same.
find_library(LVFORGE_STB_ARCHIVE NAMES libstb.a HINTS ${STB_LIBRARY_DIRS} REQUIRED)
add_library(lvforge_stb INTERFACE)
target_include_directories(lvforge_stb SYSTEM INTERFACE ${STB_INCLUDE_DIRS})
target_link_libraries(lvforge_stb INTERFACE ${LVFORGE_STB_ARCHIVE} m)
add_library(lvforge::stb ALIAS lvforge_stb)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(CJSON REQUIRED IMPORTED_TARGET libcjson)
# librsvg, libimagequant and libspng are loaded at run time, only by the runs
# that need them: their headers are used, never their libraries.
pkg_check_modules(RSVG REQUIRED IMPORTED_TARGET librsvg-2.0)
pkg_check_modules(IMAGEQUANT REQUIRED imagequant)
pkg_check_modules(SPNG REQUIRED spng)
# LZ4 block compression for v9's --compress lz4, linked as usual.
pkg_check_modules(LZ4 REQUIRED IMPORTED_TARGET liblz4)
find_package(Threads REQUIRED)

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
# zlib from its static archive as well: pixmint checks every PNG's compressed data with it, and
# loading the shared library cost a small conversion a twentieth of its time.
pkg_check_modules(ZLIB REQUIRED zlib)
find_library(LVFORGE_ZLIB_ARCHIVE NAMES libz.a HINTS ${ZLIB_LIBRARY_DIRS} REQUIRED)
add_library(lvforge_zlib INTERFACE)
target_include_directories(lvforge_zlib SYSTEM INTERFACE ${ZLIB_INCLUDE_DIRS})
target_link_libraries(lvforge_zlib INTERFACE ${LVFORGE_ZLIB_ARCHIVE})
add_library(lvforge::zlib ALIAS lvforge_zlib)
pkg_check_modules(CJSON REQUIRED IMPORTED_TARGET libcjson)
# librsvg, libimagequant, libspng and liblz4 are loaded at run time, only by
# the runs that need them: pixmint uses their headers, never their libraries.
pkg_check_modules(RSVG REQUIRED IMPORTED_TARGET librsvg-2.0)
pkg_check_modules(IMAGEQUANT REQUIRED imagequant)
pkg_check_modules(SPNG REQUIRED spng)
# liblz4 is loaded at run time too, by the runs that compress with LZ4; the tests link it to read
# the blocks back.
pkg_check_modules(LZ4 REQUIRED IMPORTED_TARGET liblz4)
find_package(Threads REQUIRED)

# Every third-party library comes from Debian's packages through pkg-config;
# scripts/setup.sh installs them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
pkg_check_modules(CJSON REQUIRED IMPORTED_TARGET libcjson)
pkg_check_modules(RSVG REQUIRED IMPORTED_TARGET librsvg-2.0)
pkg_check_modules(IMAGEQUANT REQUIRED IMPORTED_TARGET imagequant)
pkg_check_modules(SPNG REQUIRED IMPORTED_TARGET spng)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
find_package(Threads REQUIRED)
find_package(OpenMP REQUIRED COMPONENTS C)

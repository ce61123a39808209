# Every third-party library comes from Debian's packages through pkg-config;
# scripts/setup.sh installs them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
pkg_check_modules(CJSON REQUIRED IMPORTED_TARGET libcjson)
# librsvg and libimagequant are loaded at run time, only by the runs that need
# them: their headers are used, never their libraries.
pkg_check_modules(RSVG REQUIRED IMPORTED_TARGET librsvg-2.0)
pkg_check_modules(IMAGEQUANT REQUIRED imagequant)

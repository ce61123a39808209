# `cpack -G DEB` in the build directory: a .deb holding what `cmake --install`
# installs, under /usr.
set(CPACK_PACKAGE_NAME lvforge)
set(CPACK_PACKAGE_VENDOR "lvforge developers")
set(CPACK_PACKAGE_CONTACT "lvforge developers <lvforge@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "C source generators for LVGL v7 firmware: images, configuration headers, data files")
set(CPACK_PACKAGE_DESCRIPTION "pixmint turns PNG, BMP, JPG, GIF and SVG images into C pixel arrays with
an lv_img_dsc_t descriptor, setwright turns conf.json into the simulator and
board configuration headers, and animpack turns any file into a C byte array.
Includes a CMake package with functions that run them at build time.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# Shared libraries the tools link (libcjson, libm, the C library) are found by
# dpkg-shlibdeps; the C++ runtime, stb and zlib are linked into the tools.
# librsvg is loaded only when an SVG is converted, libimagequant only when a
# palette is quantized, libspng only for previews and palette PNGs, and liblz4
# only for --compress lz4, so no tool links them and they are declared by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "librsvg2-2 (>= 2.52), libimagequant0 (>= 2.17), libspng0 (>= 0.7), liblz4-1 (>= 1.9)")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cmake (>= 3.18)")
include(CPack)

# Installation: the three tools, their man pages, and the CMake package that
# gives other projects lvforge::<tool> and the lvforge_add_* functions.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LVFORGE_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/lvforge")

install(TARGETS pixmint setwright animpack EXPORT lvforgeTargets
        RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(EXPORT lvforgeTargets NAMESPACE lvforge:: DESTINATION "${LVFORGE_CMAKE_DIR}")

configure_package_config_file(cmake/lvforgeConfig.cmake.in
  "${PROJECT_BINARY_DIR}/lvforgeConfig.cmake" INSTALL_DESTINATION "${LVFORGE_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/lvforgeConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion
  # Host tools only: a 32-bit firmware build may use the package of a 64-bit host.
  ARCH_INDEPENDENT)
install(FILES "${PROJECT_BINARY_DIR}/lvforgeConfig.cmake"
              "${PROJECT_BINARY_DIR}/lvforgeConfigVersion.cmake"
              cmake/LvforgeFunctions.cmake
              cmake/LvforgeRun.cmake
        DESTINATION "${LVFORGE_CMAKE_DIR}")

# Man pages (configured by Version.cmake) are installed compressed, as Debian keeps them.
find_program(LVFORGE_GZIP gzip REQUIRED)
set(man_pages "")
foreach(tool pixmint setwright animpack)
  set(page "${LVFORGE_MAN_DIR}/${tool}.1.gz")
  add_custom_command(OUTPUT "${page}"
    COMMAND "${LVFORGE_GZIP}" -9nc "${LVFORGE_MAN_DIR}/${tool}.1" > "${page}"
    DEPENDS "${LVFORGE_MAN_DIR}/${tool}.1"
    COMMENT "Compressing the ${tool} man page")
  list(APPEND man_pages "${page}")
endforeach()
add_custom_target(lvforge_man ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The licence statement, where Debian keeps one per package.
install(FILES cmake/copyright DESTINATION "${CMAKE_INSTALL_DOCDIR}")

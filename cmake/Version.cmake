# The version is set once, in project(), and carried from there:
#   lvforge::version  an include directory holding lvforge_version.h (LVFORGE_VERSION)
#   man/<tool>.1      each tool's man page with @PROJECT_VERSION@ filled in, in the
#                     build tree, where the install rules and the man page tests take it
configure_file(${PROJECT_SOURCE_DIR}/cmake/lvforge_version.h.in
               ${PROJECT_BINARY_DIR}/version/lvforge_version.h @ONLY)
add_library(lvforge_version INTERFACE)
target_include_directories(lvforge_version INTERFACE ${PROJECT_BINARY_DIR}/version)
add_library(lvforge::version ALIAS lvforge_version)

set(LVFORGE_MAN_DIR "${PROJECT_BINARY_DIR}/man")
foreach(tool pixmint setwright animpack)
  configure_file(${PROJECT_SOURCE_DIR}/${tool}/${tool}.1 ${LVFORGE_MAN_DIR}/${tool}.1 @ONLY)
endforeach()

# Build flags as targets: every target lvforge builds links both PRIVATE, so
# nothing leaks into a project that includes lvforge or links its libraries.
#
#   lvforge::warnings    the project's warning set; -Werror in the strict (test) build
#   lvforge::sanitizers  ASan + UBSan in the strict build, nothing otherwise (and in the fuzz
#                        build also libFuzzer's coverage)
#   lvforge::tool_link   how the three executables link: the C++ runtime linked in
add_library(lvforge_warnings INTERFACE)
target_compile_options(lvforge_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wformat=2 -Wnull-dereference -Wundef
  $<$<BOOL:${LVFORGE_STRICT}>:-Werror>)
add_library(lvforge::warnings ALIAS lvforge_warnings)

add_library(lvforge_sanitizers INTERFACE)
if(LVFORGE_STRICT)
  target_compile_options(lvforge_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lvforge_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
if(LVFORGE_FUZZ)
  # The fuzz build (clang, fuzz/run.sh): libFuzzer's coverage too, in everything the targets link.
  target_compile_options(lvforge_sanitizers INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lvforge_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
add_library(lvforge::sanitizers ALIAS lvforge_sanitizers)

# The C++ runtime is linked into each tool: a run converting a small file is
# over in about a millisecond, and loading libstdc++ and resolving its symbols
# took longer than the rest of it. The tools export nothing to other modules
# (librsvg and libimagequant, loaded at run time, are C libraries), so one
# private copy of the runtime is safe.
add_library(lvforge_tool_link INTERFACE)
target_link_options(lvforge_tool_link INTERFACE -static-libstdc++ -static-libgcc)
add_library(lvforge::tool_link ALIAS lvforge_tool_link)

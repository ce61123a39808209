# lvforge_warnings(<target>): the project's warning set, and in the strict
# (test) build also -Werror and the address/undefined sanitizers.
set(LVFORGE_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

if(LVFORGE_STRICT)
  add_compile_options(${LVFORGE_SANITIZE_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

function(lvforge_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                                           -Wformat=2 -Wnull-dereference -Wundef)
  if(LVFORGE_STRICT)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

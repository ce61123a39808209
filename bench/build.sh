#!/bin/sh
# What the CMake functions cost a firmware build: examples/firmware built
# against a Release install, timed as the best of RUNS runs (default 5) of
#   - a clean build (four generation steps, four compiles, one link),
#   - a rebuild after touching one image (one step, one compile, the link),
#   - a rebuild with nothing to do,
# and the fixed cost of one step: pixmint run directly, and through the
# step runner (cmake -P LvforgeRun.cmake) as a build runs it.
#
#   bench/build.sh
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}
. "$root/bench/lib.sh"

build=$(release_tree "" "$root/build/h-build-rel" all)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp -r "$root/examples/firmware" "$work/src"
cmake -S "$work/src" -B "$work/fw" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null

clean() { cmake --build "$work/fw" --target clean >/dev/null && cmake --build "$work/fw"; }
touch_one() { touch "$work/src/assets/logo.png" && cmake --build "$work/fw"; }
noop() { cmake --build "$work/fw"; }
direct() { (cd "$work" && "$work/prefix/bin/pixmint" -p "$work/src/assets/logo.png" -n direct); }
stepped() {
    cmake -DLVFORGE_TOOL="$work/prefix/bin/pixmint" -DLVFORGE_WORKDIR="$work" \
        -DLVFORGE_OUTPUT="$work/stepped.c" -P "$work/prefix/lib/cmake/lvforge/LvforgeRun.cmake" \
        -- -p "$work/src/assets/logo.png" -n stepped
}

printf '%-34s %s s\n' "clean build of examples/firmware" "$(best_of "$work/none" clean)"
printf '%-34s %s s\n' "rebuild after touching one image" "$(best_of "$work/none" touch_one)"
printf '%-34s %s s\n' "rebuild with nothing to do" "$(best_of "$work/none" noop)"
printf '%-34s %s s\n' "pixmint on logo.png, direct" "$(best_of "$work/direct.c" direct)"
printf '%-34s %s s\n' "the same through the step runner" "$(best_of "$work/stepped.c" stepped)"

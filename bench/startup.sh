#!/bin/sh
# Benchmark of the tools on the smallest inputs, where a run is mostly the
# process starting and ending: pixmint converting a 16 x 16 RGBA icon with
# -f true-color-alpha against /bin/true, and animpack converting 2 KiB
# against `xxd -i` writing its own file.
#
#   bench/startup.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. Each ratio is
# the median of RUNS (default 300) paired runs, A and B in turns, timed as
# whole processes by paired_runs.c. Each pair is timed twice: once with the
# output already there, as when a conversion is run again by hand, and once
# with it removed before every run, as the build step (LvforgeRun.cmake)
# does; replacing a file costs what the file system makes it cost.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-300}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" all)
pixmint="$build/pixmint/pixmint"
animpack="$build/animpack/animpack"
for tool in "$pixmint" "$animpack"; do
    [ -x "$tool" ] || { echo "no binary at $tool" >&2; exit 1; }
done
command -v xxd >/dev/null || { echo "missing xxd (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

cc -O2 "$root/bench/paired_runs.c" -o paired_runs
cat > make_inputs.c <<'C'
#include <stb_image_write.h>
#include <stdio.h>
int main(void) {
    unsigned char px[16 * 16 * 4];
    unsigned seed = 12345;
    for (int i = 0; i < 16 * 16 * 4; ++i) {
        seed = seed * 1103515245u + 12345u;
        px[i] = (unsigned char)(seed >> 16);
    }
    if (!stbi_write_png("icon.png", 16, 16, 4, px, 16 * 4)) return 1;
    FILE* f = fopen("data.bin", "wb");
    for (int i = 0; i < 2048; ++i) {
        seed = seed * 1103515245u + 12345u;
        fputc((int)(seed >> 16) & 255, f);
    }
    return fclose(f) != 0;
}
C
# shellcheck disable=SC2086
cc -O2 $(pkg-config --cflags stb) make_inputs.c -o make_inputs $(pkg-config --libs stb) -lm
./make_inputs

# pair LABEL TARGET REMOVALS -- A... -- B...: one row, and whether its median ratio is within TARGET.
status=0
pair() {
    label=$1
    target=$2
    shift 2
    line=$(./paired_runs "$runs" "$@") || { echo "a run failed: $label" >&2; exit 1; }
    verdict=$(echo "$line" | awk -v t="$target" '{ print ($3 <= t) ? "pass" : "FAIL" }')
    echo "$line" | awk -v l="$label" -v t="$target" -v v="$verdict" \
        '{ printf "  %-44s %7.3f ms %7.3f ms  %5.2fx  (%.2f-%.2f)  target <= %.1fx: %s\n", l, $1, $2, $3, $4, $5, t, v }'
    [ "$verdict" = pass ] || status=1
}

printf '  %-44s %10s %10s  %6s\n' "" "A median" "B median" "A/B"
echo "pixmint -p icon.png -f true-color-alpha (16 x 16 RGBA) vs /bin/true"
"$pixmint" -p icon.png -f true-color-alpha >/dev/null
pair "icon.c created" 1.5 -r icon.c -- "$pixmint" -p icon.png -f true-color-alpha -- /bin/true
pair "icon.c replaced" 1.5 -- "$pixmint" -p icon.png -f true-color-alpha -- /bin/true
echo "animpack -p data.bin (2 KiB) vs xxd -i data.bin xxd.out"
"$animpack" -p data.bin >/dev/null
pair "data.c and xxd.out created" 1.2 -r data.c -r xxd.out -- "$animpack" -p data.bin -- xxd -i data.bin xxd.out
pair "data.c and xxd.out replaced" 1.2 -- "$animpack" -p data.bin -- xxd -i data.bin xxd.out
exit "$status"

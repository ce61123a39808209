#!/bin/sh
# Benchmark of pixmint's LVGL v9 layout on a 2500 x 2500 RGBA PNG: -f argb8888
# and -f rgb565 (and argb8888 compressed with RLE and with LZ4) against the v7
# layout's -f true-color (every depth, the v7 default), in paired runs of
# farm-bench. The target is the same class of time as v7's true colour.
#
#   bench/pixmint-v9.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. RUNS (default
# 5) runs of each pair; the files live in a temporary directory that is
# removed afterwards.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
pixmint="$build/pixmint/pixmint"
[ -x "$pixmint" ] || { echo "no pixmint binary at $pixmint" >&2; exit 1; }
command -v farm-bench >/dev/null || { echo "missing farm-bench" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# The test image of bench/pixmint.sh: smooth gradients with some noise, like a
# photo with an alpha mask.
cat > make_png.c <<'C'
#include <stb_image_write.h>
#include <stdlib.h>
int main(void) {
    const int w = 2500, h = 2500;
    unsigned char* p = malloc((size_t)w * h * 4);
    unsigned seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* q = p + ((size_t)y * w + x) * 4;
            seed = seed * 1103515245u + 12345u;
            int n = (int)((seed >> 16) & 15) - 8;
            q[0] = (unsigned char)((x * 255 / w + n) & 255);
            q[1] = (unsigned char)((y * 255 / h + n) & 255);
            q[2] = (unsigned char)(((x + y) * 255 / (w + h)) & 255);
            q[3] = (unsigned char)(((x / 50 + y / 50) & 1) ? 255 : 128 + n);
        }
    return stbi_write_png("big.png", w, h, 4, p, w * 4) ? 0 : 1;
}
C
# shellcheck disable=SC2086
cc -O2 $(pkg-config --cflags stb) make_png.c -o make_png $(pkg-config --libs stb) -lm
./make_png

v7="$pixmint -p big.png -f true-color -n v7"
for v9 in "-f argb8888" "-f rgb565" "-f argb8888 --compress rle" "-f argb8888 --compress lz4"; do
    echo "== pixmint --lvgl 9 $v9  vs  pixmint -f true-color (v7, every depth)"
    # shellcheck disable=SC2086
    farm-bench -n "$runs" --timeout 600 --vs "$v7" -- "$pixmint" --lvgl 9 -p big.png $v9 -n v9
    # shellcheck disable=SC2086
    "$pixmint" --lvgl 9 -p big.png $v9 -n v9
    printf 'output: v9 %s bytes, v7 %s bytes\n\n' "$(stat -c %s v9.c)" "$(stat -c %s v7.c)"
done

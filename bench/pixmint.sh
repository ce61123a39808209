#!/bin/sh
# Benchmark of pixmint on a 2047 x 2047 RGBA PNG (the largest image LVGL v7's
# header holds) converted with
# -f true-color-alpha (all depths), against decoding the same PNG alone and
# against `cp` of the produced .c file; LVGL v8's rgb565a8 is timed beside
# 16-bit true colour.
#
#   bench/pixmint.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. Each command
# is timed as the best of RUNS runs (default 5); the files live in a
# temporary directory that is removed afterwards.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
pixmint="$build/pixmint/pixmint"
[ -x "$pixmint" ] || { echo "no pixmint binary at $pixmint" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# Two small helpers against Debian's libstb: bench/make_test_png.c writes the
# test image, decode_png only decodes it, as pixmint does first.
cat > decode_png.c <<'C'
#include <stb_image.h>
int main(int argc, char** argv) {
    int w, h, n;
    unsigned char* p = stbi_load(argc > 1 ? argv[1] : "big.png", &w, &h, &n, 0);
    stbi_image_free(p);
    return p == 0;
}
C
cflags=$(pkg-config --cflags stb)
libs=$(pkg-config --libs stb)
# shellcheck disable=SC2086
cc -O2 $cflags "$root/bench/make_test_png.c" -o make_png $libs -lm
# shellcheck disable=SC2086
cc -O2 $cflags decode_png.c -o decode_png $libs -lm
./make_png 2047

"$pixmint" -p big.png -f true-color-alpha >/dev/null || { echo "pixmint failed" >&2; exit 1; }
t_pm=$(best_of big.c "$pixmint" -p big.png -f true-color-alpha)
t_dec=$(best_of none.out ./decode_png big.png)
"$pixmint" -p big.png -f true-color-alpha >/dev/null
t_cp=$(best_of cp.out cp big.c cp.out)
out_bytes=$(stat -c %s big.c)
rm -f big.c cp.out
rss=$(peak_rss "$pixmint" -p big.png -f true-color-alpha)
# LVGL v8's rgb565a8 beside v7's 16-bit true colour with alpha (both 3 bytes a pixel; the latter
# writes its two byte orders): shown, not judged.
t_a8=$(best_of big.c "$pixmint" -p big.png -f rgb565a8 --lvgl 8)
t_16=$(best_of big.c "$pixmint" -p big.png -f true-color-alpha -d 16)
rm -f big.c

# Hostile inputs: a 35-byte GIF declaring 23000 x 23000, a 54-byte BMP
# header declaring 100000 x 100000, an SVG declaring 30000 x 30000 and noise
# named .png, as they are and scaled down with -w/-h. Each must be refused from its declared
# size, before any decoding: status 1, no file, a few MiB at most.
printf 'GIF89a\330\131\330\131\200\0\0\0\0\0\377\377\377,\0\0\0\0\330\131\330\131\0\2\2\104\1\0;' > hostile.gif
printf 'BM\066\0\0\0\0\0\0\0\066\0\0\0\050\0\0\0\240\206\1\0\240\206\1\0\1\0\030\0' > hostile.bmp
head -c 24 /dev/zero >> hostile.bmp
echo '<svg xmlns="http://www.w3.org/2000/svg" width="30000" height="30000"><rect width="30000" height="30000"/></svg>' > hostile.svg
# And 256 MiB of noise named like an image: refused from its head, never read whole.
head -c 268435456 /dev/urandom > hostile.png
hostile_ok=1
printf 'hostile inputs (peak RSS, status; no file may appear)\n'
for f in hostile.gif hostile.bmp hostile.svg hostile.png; do
    for size in "" "-w 100 -h 100"; do
        # shellcheck disable=SC2086
        /usr/bin/time -f %M -o peak_rss.txt "$pixmint" -p "$f" $size >/dev/null 2>&1 && st=0 || st=$?
        kib=$(cat peak_rss.txt | tail -n 1)
        printf '  %-12s %-14s %8.1f MiB  status %s\n' "$f" "$size" "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')" "$st"
        if [ "$st" -ne 1 ] || [ "$kib" -gt 65536 ] || [ -e "${f%.*}.c" ]; then hostile_ok=0; fi
    done
done
[ "$hostile_ok" -eq 1 ] && echo "  hostile inputs refused within 64 MiB: pass" || echo "  hostile inputs refused within 64 MiB: FAIL"

awk -v pm="$t_pm" -v dec="$t_dec" -v cp="$t_cp" -v ob="$out_bytes" -v rss="$rss" -v a8="$t_a8" -v t16="$t_16" 'BEGIN {
    pixels = 2047 * 2047 * 4
    printf "pixmint (2047x2047 RGBA PNG, -f true-color-alpha, all depths)\n"
    printf "  pixmint wall:      %8.4f s\n", pm
    printf "  decode only:       %8.4f s\n", dec
    printf "  cp of the .c file: %8.4f s\n", cp
    printf "  output:            %8.1f MB, %.0f MB/s\n", ob / 1e6, ob / 1e6 / pm
    printf "  peak RSS:          %8.1f MiB\n", rss / 1024
    printf "  --lvgl 8 -f rgb565a8:           %8.4f s\n", a8
    printf "  -f true-color-alpha -d 16:      %8.4f s\n", t16
    lim_t = dec + 2 * cp
    lim_m = 2 * pixels / 1048576 + 64
    printf "  time target  pixmint <= decode + 2 x cp = %.4f s: %s\n", lim_t, (pm <= lim_t ? "pass" : "FAIL")
    printf "  memory target peak RSS <= 2 x %.1f MiB + 64 MiB = %.1f MiB: %s\n", pixels / 1048576, lim_m, (rss / 1024 <= lim_m ? "pass" : "FAIL")
    exit (pm <= lim_t && rss / 1024 <= lim_m) ? 0 : 1
}' && [ "$hostile_ok" -eq 1 ]

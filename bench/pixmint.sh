#!/bin/sh
# Benchmark of pixmint on a 2047 x 2047 RGBA PNG (the largest image LVGL v7's
# header holds) converted with -f true-color-alpha (all depths), against
# decoding the same PNG alone and against `cp` of the produced .c file; the
# same with --preview; indexed-8; and the peak memory of every case the
# memory budget covers, printed beside its budget: 2 x the decoded source
# (width x height x channels x bytes per sample as the file stores them) +
# the final image + 64 MiB. LVGL v8's rgb565a8 is timed beside 16-bit
# true colour.
#
#   bench/pixmint.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. Each command
# is timed as the best of RUNS runs (default 5); the files live in a
# temporary directory that is removed afterwards. With BASELINE set to
# another pixmint binary, its times and peaks are printed beside.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
pixmint="$build/pixmint/pixmint"
[ -x "$pixmint" ] || { echo "no pixmint binary at $pixmint" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time (scripts/setup.sh installs it)" >&2; exit 1; }
baseline=${BASELINE:-}
[ -z "$baseline" ] || [ -x "$baseline" ] || { echo "BASELINE is not a program: $baseline" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# Small helpers against Debian's libstb and libspng: bench/make_test_png.c writes the test image,
# decode_png only decodes it, as pixmint's reference decoder does, and make_any writes the other
# images the memory budget covers (RGB, 16-bit).
cat > decode_png.c <<'C'
#include <stb_image.h>
int main(int argc, char** argv) {
    int w, h, n;
    unsigned char* p = stbi_load(argc > 1 ? argv[1] : "big.png", &w, &h, &n, 0);
    stbi_image_free(p);
    return p == 0;
}
C
cat > make_any.c <<'C'
/* make_any W H CHANNELS BITS OUT: a noisy gradient PNG of 1 to 4 channels, 8 or 16 bits. */
#include <spng.h>
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    if (argc != 6) return 2;
    const unsigned w = (unsigned)atoi(argv[1]), h = (unsigned)atoi(argv[2]);
    const int ch = atoi(argv[3]), bits = atoi(argv[4]), bytes = bits / 8;
    static const int types[] = {0, 0, 4, 2, 6};
    size_t len = (size_t)w * h * ch * bytes;
    unsigned char* p = malloc(len);
    unsigned seed = 12345;
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x)
            for (int c = 0; c < ch; ++c) {
                seed = seed * 1103515245u + 12345u;
                unsigned v = c == 0 ? x * 65535u / w : c == 1 ? y * 65535u / h : (x + y) * 65535u / (w + h);
                if (c == 3 || (ch == 2 && c == 1)) v = ((x / 50 + y / 50) & 1) ? 65535u : 32768u;
                v = (v + ((seed >> 16) & 2047)) & 65535u;
                unsigned char* q = p + (((size_t)y * w + x) * ch + c) * bytes;
                if (bytes == 2) q[0] = (unsigned char)(v >> 8), q[1] = (unsigned char)v;
                else q[0] = (unsigned char)(v >> 8);
            }
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    FILE* f = fopen(argv[5], "wb");
    struct spng_ihdr ihdr = {w, h, (unsigned char)bits, (unsigned char)types[ch], 0, 0, 0};
    int e = !f || spng_set_png_file(ctx, f) || spng_set_ihdr(ctx, &ihdr) ||
            spng_encode_image(ctx, p, len, SPNG_FMT_RAW, SPNG_ENCODE_FINALIZE);
    spng_ctx_free(ctx);
    return (f && fclose(f)) || e;
}
C
cflags=$(pkg-config --cflags stb spng)
libs=$(pkg-config --libs stb spng)
# shellcheck disable=SC2086
cc -O2 $cflags "$root/bench/make_test_png.c" -o make_png $libs -lm
# shellcheck disable=SC2086
cc -O2 $cflags decode_png.c -o decode_png $libs -lm
# shellcheck disable=SC2086
cc -O2 $cflags make_any.c -o make_any $libs -lm
./make_png 2047
./make_any 2047 2047 3 8 rgb.png
./make_any 4096 4096 4 16 deep.png

"$pixmint" -p big.png -f true-color-alpha >/dev/null || { echo "pixmint failed" >&2; exit 1; }
t_pm=$(best_of big.c "$pixmint" -p big.png -f true-color-alpha)
t_pv=$(best_of big.c "$pixmint" -p big.png -f true-color-alpha --preview shown.png)
t_dec=$(best_of none.out ./decode_png big.png)
"$pixmint" -p big.png -f true-color-alpha >/dev/null
t_cp=$(best_of cp.out cp big.c cp.out)
out_bytes=$(stat -c %s big.c)
rm -f big.c cp.out shown.png
# LVGL v8's rgb565a8 beside v7's 16-bit true colour with alpha (both 3 bytes a pixel; the latter
# writes its two byte orders): shown, not judged.
t_a8=$(best_of big.c "$pixmint" -p big.png -f rgb565a8 --lvgl 8)
t_16=$(best_of big.c "$pixmint" -p big.png -f true-color-alpha -d 16)
t_ix=$(best_of big.c "$pixmint" -p big.png -f indexed-8)
t_ix_base=""
if [ -n "$baseline" ]; then
    t_pm_base=$(best_of big.c "$baseline" -p big.png -f true-color-alpha)
    t_pv_base=$(best_of big.c "$baseline" -p big.png -f true-color-alpha --preview shown.png)
    t_ix_base=$(best_of big.c "$baseline" -p big.png -f indexed-8)
    printf 'baseline %s: true-color-alpha %s s, with --preview %s s, indexed-8 %s s\n' \
        "$baseline" "$t_pm_base" "$t_pv_base" "$t_ix_base"
fi
rm -f big.c shown.png

# Peak memory of every case of the budget, beside it. budget W H CHANNELS BYTES FINAL_W FINAL_H
# FINAL_CHANNELS: the budget in MiB.
budget() {
    awk -v w="$1" -v h="$2" -v c="$3" -v b="$4" -v fw="$5" -v fh="$6" -v fc="$7" \
        'BEGIN { printf "%.1f", (2 * w * h * c * b + fw * fh * fc) / 1048576 + 64 }'
}
memory_ok=1
printf 'peak memory (MiB) beside its budget: 2 x decoded source + final image + 64 MiB\n'
peak_case() {  # LABEL BUDGET ARGS...
    label=$1
    limit=$2
    shift 2
    kib=$(peak_rss "$pixmint" "$@")
    line=$(awk -v k="$kib" -v l="$limit" 'BEGIN { printf "%8.1f  budget %7.1f  %s", k / 1024, l, (k / 1024 <= l ? "pass" : "FAIL") }')
    if [ -n "$baseline" ]; then
        line="$line$(awk -v k="$(peak_rss "$baseline" "$@")" 'BEGIN { printf "  (baseline %.1f)", k / 1024 }')"
    fi
    printf '  %-44s %s\n' "$label" "$line"
    case $line in *FAIL*) memory_ok=0 ;; esac
    rm -f big.c big.bin rgb.c deep.c shown.png
}
rgba=$(budget 2047 2047 4 1 2047 2047 4)
peak_case "2047^2 RGBA true-color-alpha" "$rgba" -p big.png -f true-color-alpha
peak_case "2047^2 RGBA true-color-alpha --preview" "$rgba" -p big.png -f true-color-alpha --preview shown.png
peak_case "2047^2 RGBA indexed-8 --dither --preview" "$rgba" -p big.png -f indexed-8 --dither --preview shown.png
peak_case "2047^2 RGBA raw --preview" "$rgba" -p big.png -f raw --preview shown.png
peak_case "2047^2 RGB indexed-8 --preview" "$(budget 2047 2047 3 1 2047 2047 3)" -p rgb.png -f indexed-8 --preview shown.png
peak_case "4096^2 16-bit RGBA to 64^2" "$(budget 4096 4096 4 2 64 64 4)" -p deep.png -w 64 -h 64
peak_case "2047^2 RGBA indexed-8 (target 64 MiB)" 64 -p big.png -f indexed-8

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

awk -v pm="$t_pm" -v pv="$t_pv" -v dec="$t_dec" -v cp="$t_cp" -v ob="$out_bytes" -v ix="$t_ix" -v ixb="$t_ix_base" -v a8="$t_a8" -v t16="$t_16" 'BEGIN {
    printf "pixmint (2047x2047 RGBA PNG, -f true-color-alpha, all depths)\n"
    printf "  pixmint wall:      %8.4f s\n", pm
    printf "  with --preview:    %8.4f s\n", pv
    printf "  decode only:       %8.4f s\n", dec
    printf "  cp of the .c file: %8.4f s\n", cp
    printf "  output:            %8.1f MB, %.0f MB/s\n", ob / 1e6, ob / 1e6 / pm
    printf "  indexed-8:         %8.4f s%s\n", ix, (ixb == "" ? "" : sprintf(" (baseline %.4f s)", ixb))
    printf "  --lvgl 8 -f rgb565a8:           %8.4f s\n", a8
    printf "  -f true-color-alpha -d 16:      %8.4f s\n", t16
    lim_t = 0.8 * (dec + cp)
    printf "  time target     pixmint <= 0.8 x (decode + cp) = %.4f s: %s\n", lim_t, (pm <= lim_t ? "pass" : "FAIL")
    printf "  preview target  --preview adds <= 0.15 s (adds %.4f s): %s\n", pv - pm, (pv - pm <= 0.15 ? "pass" : "FAIL")
    ok = pm <= lim_t && pv - pm <= 0.15
    if (ixb != "") {
        printf "  indexed target  no slower than the baseline: %s\n", (ix <= ixb ? "pass" : "FAIL")
        ok = ok && ix <= ixb
    }
    exit ok ? 0 : 1
}' && [ "$hostile_ok" -eq 1 ] && [ "$memory_ok" -eq 1 ]

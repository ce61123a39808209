#!/bin/sh
# What the raster guard costs a run: pixmint of this tree against pixmint of a
# reference commit (default: main), both Release, on 2047 x 2047 photo-like
# images in each format the guard walks (PNG, BMP, GIF, baseline and
# progressive JPEG), converted to a 16-bit .bin so that decoding dominates.
# Each pair is timed by farm-bench, A (this tree) and B (the reference) in
# turn; quote the median ratio.
#
#   bench/raster_guard.sh [REF]
#
# The reference is exported with git archive and built in build/bench-ref;
# this tree is built in build/bench-rel. The images live in a temporary
# directory that is removed afterwards. Needs farm-bench and cjpeg
# (libjpeg-turbo-progs, which scripts/setup.sh installs).
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
ref=${1:-main}
runs=${RUNS:-7}

. "$root/bench/lib.sh"
build=$(release_tree "" "$root/build/bench-rel" pixmint)
ref_src=$root/build/bench-ref/src
rm -rf "$ref_src"
mkdir -p "$ref_src"
git -C "$root" archive "$ref" | tar -x -C "$ref_src"
ref_out=$root/build/bench-ref/build
ref_build=$(
    root=$ref_src
    release_tree "" "$ref_out" pixmint
)
for tool in farm-bench cjpeg; do
    command -v "$tool" >/dev/null || { echo "$tool is not on PATH" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# One image, smooth gradients with some noise, written in every format: PNG
# and BMP through stb_image_write, GIF (a 256-colour palette of the same
# picture) by hand, baseline and progressive JPEG by cjpeg from a PPM.
cat > make.c <<'C'
#include <stdio.h>
#include <stdlib.h>
#include <stb_image_write.h>
enum { W = 2047, H = 2047 };
static unsigned char px[W * H * 3], idx[W * H];
/* 8-bit indices as 9-bit literal codes, a clear code every 254 of them. */
static void gif(const char* path) {
    FILE* f = fopen(path, "wb");
    unsigned char head[13] = {'G', 'I', 'F', '8', '9', 'a', W & 255, W >> 8, H & 255, H >> 8, 0xf7, 0, 0};
    fwrite(head, 1, 13, f);
    for (int i = 0; i < 256; ++i) fputc(i & 0xe0, f), fputc((i << 3) & 0xe0, f), fputc((i << 6) & 0xc0, f);
    unsigned char desc[11] = {0x2c, 0, 0, 0, 0, W & 255, W >> 8, H & 255, H >> 8, 0, 8};
    fwrite(desc, 1, 11, f);
    unsigned char block[255];
    int n = 0, held = 0, run = 0;
    unsigned bits = 0;
#define EMIT(code)                                                       \
    do {                                                                 \
        bits |= (unsigned)(code) << held;                                \
        for (held += 9; held >= 8; held -= 8, bits >>= 8) {              \
            block[n++] = (unsigned char)bits;                            \
            if (n == 255) fputc(255, f), fwrite(block, 1, 255, f), n = 0; \
        }                                                                \
    } while (0)
    EMIT(256);
    for (long i = 0; i < (long)W * H; ++i) {
        if (run == 254) {
            EMIT(256);
            run = 0;
        }
        EMIT(idx[i]);
        ++run;
    }
    EMIT(257);
    if (held) block[n++] = (unsigned char)bits;
    if (n) fputc(n, f), fwrite(block, 1, n, f);
    fputc(0, f), fputc(0x3b, f);
    fclose(f);
}
int main(void) {
    unsigned seed = 12345;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            unsigned char* q = px + ((size_t)y * W + x) * 3;
            seed = seed * 1103515245u + 12345u;
            int n = (int)((seed >> 16) & 15) - 8;
            q[0] = (unsigned char)((x * 255 / W + n) & 255);
            q[1] = (unsigned char)((y * 255 / H + n) & 255);
            q[2] = (unsigned char)(((x + y) * 255 / (W + H)) & 255);
            idx[(size_t)y * W + x] = (unsigned char)((q[0] & 0xe0) | ((q[1] & 0xe0) >> 3) | (q[2] >> 6));
        }
    gif("big.gif");
    FILE* ppm = fopen("big.ppm", "wb");
    fprintf(ppm, "P6\n%d %d\n255\n", W, H);
    fwrite(px, 1, sizeof px, ppm);
    fclose(ppm);
    return !(stbi_write_png("big.png", W, H, 3, px, W * 3) && stbi_write_bmp("big.bmp", W, H, 3, px));
}
C
# shellcheck disable=SC2046
cc -O2 $(pkg-config --cflags stb) make.c -o make $(pkg-config --libs stb) -lm
./make
cjpeg -quality 90 big.ppm >baseline.jpg
cjpeg -quality 90 -progressive big.ppm >progressive.jpg

for image in big.png big.bmp big.gif baseline.jpg progressive.jpg; do
    for tool in "$build/pixmint/pixmint" "$ref_build/pixmint/pixmint"; do
        "$tool" -p "$image" --bin -d 16 -n out >/dev/null || { echo "$tool failed on $image" >&2; exit 1; }
    done
    echo "== $image ($(stat -c %s "$image") bytes): this tree (A) against $ref (B)"
    farm-bench -n "$runs" --timeout 600 --vs "$ref_build/pixmint/pixmint -p $image --bin -d 16 -n out" -- \
        "$build/pixmint/pixmint" -p "$image" --bin -d 16 -n out
done

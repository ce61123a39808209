#!/bin/sh
# Quality and speed of pixmint's colour reduction: for a photo-like picture
# and a 2500 x 2500 RGBA image (both generated here), the PSNR against the
# source of indexed-8, indexed-4 and the 16-bit section with and without
# --dither (read back from --preview, which shows what the device shows), and
# the time of each conversion to C source.
#
#   bench/pixmint-quality.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. Times are the
# best of RUNS runs (default 3). PSNR is over all four components, 8 bits each.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-3}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
pixmint="$build/pixmint/pixmint"
[ -x "$pixmint" ] || { echo "no pixmint binary at $pixmint" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# make_images: photo.png, 640 x 480 opaque, smooth shapes, texture and noise
# like a photograph; big.png, 2500 x 2500 RGBA gradients with noise and an
# alpha pattern. psnr A B: PSNR of B against A in dB.
cat > make_images.c <<'C'
#include <math.h>
#include <stb_image_write.h>
#include <stdlib.h>
static unsigned seed = 12345;
static int noise(int amp) { seed = seed * 1103515245u + 12345u; return (int)((seed >> 16) % (unsigned)(2 * amp + 1)) - amp; }
static unsigned char clamp(double v) { return (unsigned char)(v < 0 ? 0 : v > 255 ? 255 : v); }
int main(void) {
    const int pw = 640, ph = 480;
    unsigned char* p = malloc((size_t)pw * ph * 3);
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) {
            unsigned char* q = p + ((size_t)y * pw + x) * 3;
            const double sky = y < ph / 2 ? 1.0 : 0.0, dx = x - 420.0, dy = y - 150.0;
            const double sun = exp(-(dx * dx + dy * dy) / 3000.0);
            const double hills = 0.5 + 0.5 * sin(x / 37.0) * cos(y / 23.0);
            q[0] = clamp(sky * (90 + y * 0.4) + (1 - sky) * (60 + 80 * hills) + 160 * sun + noise(6));
            q[1] = clamp(sky * (140 + y * 0.3) + (1 - sky) * (110 + 90 * hills) + 120 * sun + noise(6));
            q[2] = clamp(sky * (220 - y * 0.2) + (1 - sky) * (40 + 30 * hills) + 20 * sun + noise(6));
        }
    if (!stbi_write_png("photo.png", pw, ph, 3, p, pw * 3)) return 1;
    const int w = 2500, h = 2500;
    unsigned char* b = malloc((size_t)w * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* q = b + ((size_t)y * w + x) * 4;
            const int n = noise(8);
            q[0] = (unsigned char)((x * 255 / w + n) & 255);
            q[1] = (unsigned char)((y * 255 / h + n) & 255);
            q[2] = (unsigned char)(((x + y) * 255 / (w + h)) & 255);
            q[3] = (unsigned char)(((x / 50 + y / 50) & 1) ? 255 : 128 + n);
        }
    return stbi_write_png("big.png", w, h, 4, b, w * 4) ? 0 : 1;
}
C
cat > psnr.c <<'C'
#include <math.h>
#include <stb_image.h>
#include <stdio.h>
int main(int argc, char** argv) {
    int w, h, n, w2, h2;
    unsigned char* a = stbi_load(argv[1], &w, &h, &n, 4);
    unsigned char* b = stbi_load(argv[2], &w2, &h2, &n, 4);
    if (!a || !b || w != w2 || h != h2) return 1;
    double se = 0;
    for (size_t i = 0; i < (size_t)w * h * 4; ++i) se += (double)(a[i] - b[i]) * (a[i] - b[i]);
    const double mse = se / ((double)w * h * 4);
    printf("%.2f\n", mse == 0 ? 99.0 : 10 * log10(255.0 * 255.0 / mse));
    return 0;
}
C
cflags=$(pkg-config --cflags stb)
libs=$(pkg-config --libs stb)
# shellcheck disable=SC2086
cc -O2 $cflags make_images.c -o make_images $libs -lm
# shellcheck disable=SC2086
cc -O2 $cflags psnr.c -o psnr $libs -lm
./make_images

# row IMAGE LABEL ARGS...: the PSNR of the preview of pixmint ARGS, and the best time of the
# conversion without the preview.
row() {
    img=$1
    label=$2
    shift 2
    "$pixmint" -p "$img.png" -n out "$@" --preview shown.png >/dev/null || { echo "pixmint $* failed" >&2; exit 1; }
    db=$(./psnr "$img.png" shown.png)
    t=$(best_of out.c "$pixmint" -p "$img.png" -n out "$@")
    printf "  %-28s PSNR %6s dB   %8.3f s\n" "$label" "$db" "$t"
}

for img in photo big; do
    case $img in
        photo) echo "photo-like picture, 640 x 480 RGB" ;;
        big) echo "2500 x 2500 RGBA" ;;
    esac
    row "$img" "indexed-8" -f indexed-8 -d 24
    row "$img" "indexed-4" -f indexed-4 -d 24
    row "$img" "indexed-4 --dither" -f indexed-4 -d 24 --dither
    row "$img" "16-bit section" -f true-color-alpha -d 16
    row "$img" "16-bit section, --dither" -f true-color-alpha -d 16 --dither
done

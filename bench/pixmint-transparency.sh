#!/bin/sh
# How quantized palettes treat transparency: for an icon with an anti-aliased
# edge on a fully transparent background and for a 2500 x 2500 photo with a
# transparent corner (both generated here), the PSNR against the source of
# indexed-1, 2, 4 and 8 with and without --dither, straight (all four
# components) and premultiplied (colour scaled by alpha, then all four), and
# the highest alpha shown where the source is fully transparent. Each is read
# back from --preview at -d 24, which shows the palette entries as stored.
#
#   bench/pixmint-transparency.sh [BUILD_DIR [BASELINE_BUILD_DIR]]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. With a
# BASELINE_BUILD_DIR (another build of pixmint, an earlier commit say), each
# row shows its figures first and BUILD_DIR's after them.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=1

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
builds="$build/pixmint/pixmint"
if [ -n "${2:-}" ]; then
    builds="$(cd "$2" && pwd)/pixmint/pixmint $builds"
fi
for p in $builds; do
    [ -x "$p" ] || { echo "no pixmint binary at $p" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# make_images: icon.png, 128 x 128, a ring and a disc with colour ramps and soft edges on a
# background of alpha 0; corner.png, 2500 x 2500, a photo-like picture whose top-left corner
# is cut away (alpha 0) along an anti-aliased quarter circle.
cat > make_images.c <<'C'
#include <math.h>
#include <stb_image_write.h>
#include <stdlib.h>
static unsigned seed = 4242;
static int noise(int amp) { seed = seed * 1103515245u + 12345u; return (int)((seed >> 16) % (unsigned)(2 * amp + 1)) - amp; }
static unsigned char clamp(double v) { return (unsigned char)(v < 0 ? 0 : v > 255 ? 255 : v + 0.5); }
static double cover(double d) { return d < -0.5 ? 1 : d > 0.5 ? 0 : 0.5 - d; }
int main(void) {
    const int s = 128;
    unsigned char* icon = calloc((size_t)s * s, 4);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            unsigned char* q = icon + ((size_t)y * s + x) * 4;
            const double d = hypot(x + 0.5 - 64, y + 0.5 - 64);
            const double ring = cover(fabs(d - 52) - 7), disc = cover(d - 30);
            const double a = ring > disc ? ring : disc;
            if (a <= 0) continue;
            q[0] = clamp(ring > disc ? 230 - x : 40 + y);
            q[1] = clamp(ring > disc ? 90 + y / 2 : 200 - x / 2);
            q[2] = clamp(ring > disc ? 40 : 120 + x / 3);
            q[3] = clamp(255 * a);
        }
    if (!stbi_write_png("icon.png", s, s, 4, icon, s * 4)) return 1;
    const int w = 2500, h = 2500;
    unsigned char* p = malloc((size_t)w * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* q = p + ((size_t)y * w + x) * 4;
            const double sky = y < h / 2 ? 1.0 : 0.0, dx = x - 1700.0, dy = y - 600.0;
            const double sun = exp(-(dx * dx + dy * dy) / 50000.0);
            const double hills = 0.5 + 0.5 * sin(x / 150.0) * cos(y / 90.0);
            q[0] = clamp(sky * (90 + y * 0.1) + (1 - sky) * (60 + 80 * hills) + 160 * sun + noise(6));
            q[1] = clamp(sky * (140 + y * 0.07) + (1 - sky) * (110 + 90 * hills) + 120 * sun + noise(6));
            q[2] = clamp(sky * (220 - y * 0.05) + (1 - sky) * (40 + 30 * hills) + 20 * sun + noise(6));
            q[3] = clamp(255 * cover(700 - hypot(x + 0.5, y + 0.5)));
        }
    return stbi_write_png("corner.png", w, h, 4, p, w * 4) ? 0 : 1;
}
C
# compare A B: PSNR of B against A straight and premultiplied, in dB, and the highest alpha B
# shows where A's is 0.
cat > compare.c <<'C'
#include <math.h>
#include <stb_image.h>
#include <stdio.h>
static double db(double se, double n) { return se == 0 ? 99.0 : 10 * log10(255.0 * 255.0 * n / se); }
int main(int argc, char** argv) {
    int w, h, n, w2, h2;
    unsigned char* a = stbi_load(argv[1], &w, &h, &n, 4);
    unsigned char* b = stbi_load(argv[2], &w2, &h2, &n, 4);
    if (!a || !b || w != w2 || h != h2) return 1;
    double straight = 0, pre = 0;
    int haze = 0;
    for (size_t i = 0; i < (size_t)w * h * 4; i += 4) {
        for (int c = 0; c < 4; ++c) {
            const double d = (double)a[i + c] - b[i + c];
            const double pa = c == 3 ? a[i + 3] : a[i + c] * a[i + 3] / 255.0;
            const double pb = c == 3 ? b[i + 3] : b[i + c] * b[i + 3] / 255.0;
            straight += d * d;
            pre += (pa - pb) * (pa - pb);
        }
        if (a[i + 3] == 0 && b[i + 3] > haze) haze = b[i + 3];
    }
    const double count = (double)w * h * 4;
    printf("%6.2f %6.2f %4d", db(straight, count), db(pre, count), haze);
    return 0;
}
C
cflags=$(pkg-config --cflags stb)
libs=$(pkg-config --libs stb)
# shellcheck disable=SC2086
cc -O2 $cflags make_images.c -o make_images $libs -lm
# shellcheck disable=SC2086
cc -O2 $cflags compare.c -o compare $libs -lm
./make_images

# row IMAGE ARGS...: the figures of every build for pixmint -p IMAGE.png ARGS.
row() {
    img=$1
    shift
    line=$(printf "  %-22s" "$*")
    for p in $builds; do
        "$p" -p "$img.png" -n out -d 24 "$@" --preview shown.png >/dev/null || { echo "pixmint $* failed" >&2; exit 1; }
        line="$line   $(./compare "$img.png" shown.png)"
    done
    echo "$line"
}

header="  $(printf "%-22s" "") "
for p in $builds; do header="$header  straight premult haze"; done
for img in icon corner; do
    case $img in
        icon) echo "icon, 128 x 128, anti-aliased on a transparent background (PSNR in dB; haze: highest alpha shown where the source has 0)" ;;
        corner) echo "photo, 2500 x 2500, with a transparent corner" ;;
    esac
    [ -n "${2:-}" ] && echo "  $(printf "%-22s" "") ---------- before ---------   ---------- after ----------"
    echo "$header"
    for bits in 1 2 4 8; do
        row "$img" -f "indexed-$bits"
        row "$img" -f "indexed-$bits" --dither
    done
done

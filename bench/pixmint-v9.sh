#!/bin/sh
# Benchmark of pixmint's LVGL v9 layout: -f argb8888, -f rgb565, -f i8,
# argb8888 compressed with RLE and with LZ4, and rgb565 with a preview. Each
# is first timed against the v7 layout's -f true-color (every depth, the v7
# default) on a 2047 x 2047 RGBA PNG, the largest image v7's header holds, in
# paired runs of farm-bench (the target: the same class of time as v7's true
# colour); then on a 2500 x 2500 RGBA PNG, the largest v9 allows (against
# BASELINE when it is set); then the peak memory of every case at 2500 x 2500.
# A plain PNG this large streams through the pixel pipeline under v9 as under
# v7, so the peaks stay far below the decoded image (23.8 MiB), except where
# a palette or a compressed block needs the whole image.
#
#   bench/pixmint-v9.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/bench-rel. RUNS (default
# 5) runs of each pair; the files live in a temporary directory that is
# removed afterwards. With BASELINE set to another pixmint binary, each case
# at 2500 x 2500 is timed against it, and its peaks are printed beside.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/bench-rel" pixmint)
pixmint="$build/pixmint/pixmint"
[ -x "$pixmint" ] || { echo "no pixmint binary at $pixmint" >&2; exit 1; }
command -v farm-bench >/dev/null || { echo "missing farm-bench" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time (scripts/setup.sh installs it)" >&2; exit 1; }
baseline=${BASELINE:-}
[ -z "$baseline" ] || [ -x "$baseline" ] || { echo "BASELINE is not a program: $baseline" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

# The test image of bench/pixmint.sh, at the largest size each release allows.
# shellcheck disable=SC2046
cc -O2 $(pkg-config --cflags stb) "$root/bench/make_test_png.c" -o make_png $(pkg-config --libs stb) -lm
./make_png 2047
mv big.png v7.png
./make_png 2500

cases="-f argb8888|-f rgb565|-f i8|-f argb8888 --compress rle|-f argb8888 --compress lz4|-f rgb565 --preview shown.png"

v7="$pixmint -p v7.png -f true-color -n v7"
IFS='|'
for v9 in $cases; do
    unset IFS
    echo "== 2047^2: pixmint --lvgl 9 $v9  vs  pixmint -f true-color (v7, every depth)"
    # shellcheck disable=SC2086
    farm-bench -n "$runs" --timeout 600 --vs "$v7" -- "$pixmint" --lvgl 9 -p v7.png $v9 -n v9
    # shellcheck disable=SC2086
    "$pixmint" --lvgl 9 -p v7.png $v9 -n v9
    "$pixmint" -p v7.png -f true-color -n v7 >/dev/null
    printf 'output: v9 %s bytes, v7 %s bytes\n\n' "$(stat -c %s v9.c)" "$(stat -c %s v7.c)"
    echo "== 2500^2: pixmint --lvgl 9 $v9${baseline:+  vs  BASELINE}"
    if [ -n "$baseline" ]; then
        # shellcheck disable=SC2086
        farm-bench -n "$runs" --timeout 600 --vs "$baseline --lvgl 9 -p big.png $v9 -n v9" -- \
            "$pixmint" --lvgl 9 -p big.png $v9 -n v9
    else
        # shellcheck disable=SC2086
        farm-bench -n "$runs" --timeout 600 -- "$pixmint" --lvgl 9 -p big.png $v9 -n v9
    fi
    echo
    IFS='|'
done
unset IFS

printf 'peak memory (MiB) of pixmint --lvgl 9 on the 2500^2 RGBA PNG\n'
IFS='|'
for v9 in $cases; do
    unset IFS
    # shellcheck disable=SC2086
    line=$(awk -v k="$(peak_rss "$pixmint" --lvgl 9 -p big.png $v9 -n v9)" 'BEGIN { printf "%8.1f", k / 1024 }')
    if [ -n "$baseline" ]; then
        # shellcheck disable=SC2086
        line="$line$(awk -v k="$(peak_rss "$baseline" --lvgl 9 -p big.png $v9 -n v9)" 'BEGIN { printf "  (baseline %.1f)", k / 1024 }')"
    fi
    printf '%s  %s\n' "$line" "$v9"
    IFS='|'
done
unset IFS

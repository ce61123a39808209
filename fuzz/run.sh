#!/bin/sh
# Runs one fuzz target for a while, or merges what runs found.
#
#   fuzz/run.sh <target> <seconds> [libFuzzer options...]
#   fuzz/run.sh <target> merge
#
# Targets: pixmint_image, pixmint_palette, pixmint_png_stream, pixmint_options, setwright_conf, setwright_options,
# animpack_options. The first use configures build/fuzz with clang
# (-fsanitize=fuzzer,address,undefined). A run starts from the committed
# corpus, fuzz/corpus/<target>/, and writes what it finds into a scratch
# directory (build/fuzz/finds/<target>/, or $FUZZ_FINDS): new inputs under
# new/, crashes, hangs and leaks under crashes/. The committed corpus is only
# touched by "merge", which adds the new inputs that reach new code
# (libFuzzer's -merge=1 keeps the set minimal). Crash inputs are committed by
# hand, once the fault they show is fixed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 2 ]; then
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
target=$1
what=$2
shift 2

build=$root/build/fuzz
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLVFORGE_FUZZ=ON -DLVFORGE_INSTALL=OFF
fi
nice -n 10 cmake --build "$build" --target "fuzz_$target" -j 2

corpus=$root/fuzz/corpus/$target
finds=${FUZZ_FINDS:-$build/finds/$target}
mkdir -p "$corpus" "$finds/new" "$finds/crashes"
binary=$build/fuzz/fuzz_$target

# Longest input: room for small images and documents, and far more than any command line
# needs; longer inputs only slow the search down and swell the corpus.
case $target in
    pixmint_image | pixmint_palette) max_len=8192 ;;
    setwright_conf) max_len=2048 ;;
    *) max_len=512 ;;
esac

if [ "$what" = merge ]; then
    # Only finds within the length limit are offered, so the committed corpus stays small.
    offered=$(mktemp -d)
    trap 'rm -rf "$offered"' EXIT
    find "$finds/new" -type f -size -"$((max_len + 1))"c -exec cp {} "$offered" \;
    "$binary" -merge=1 "$corpus" "$offered"
    exit
fi

# One process on one core, at low priority: the machine is shared.
exec nice -n 10 "$binary" "$finds/new" "$corpus" \
    -max_total_time="$what" -artifact_prefix="$finds/crashes/" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" "$@"

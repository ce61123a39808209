#!/bin/sh
# Benchmark of animpack against `xxd -i` and against `cp` of animpack's own
# output, on a 64 MiB random file and a 5 MiB JSON text; then its peak memory
# and speed on a 1 GiB random file, which must stay under 16 MiB whatever
# the input's size.
#
#   bench/animpack.sh [BUILD_DIR]
#   BASELINE=/path/to/an/older/animpack bench/animpack.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/h-animpack-rel. Each
# command is timed as the best of RUNS runs (default 5); the files live in a
# temporary directory that is removed afterwards. With BASELINE, that binary
# and this one convert the 64 MiB and 1 GiB inputs in turns (paired runs,
# bench/paired_runs.c), writing into /dev/null through a link so that only
# their own work is timed, and the ratio of their times is printed: this one
# must be at least as fast per byte.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/h-animpack-rel" animpack)
animpack="$build/animpack/animpack"
[ -x "$animpack" ] || { echo "no animpack binary at $animpack" >&2; exit 1; }
for tool in xxd /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

head -c $((64 * 1024 * 1024)) /dev/urandom > random.bin
# A JSON text shaped like an animation document: nested layers of keyframes.
python3 - > anim.json <<'PY'
import json, random
random.seed(7)
def kf(t):
    return {"t": t, "s": [round(random.uniform(-500, 500), 3) for _ in range(3)],
            "i": {"x": [0.833], "y": [0.833]}, "o": {"x": [0.167], "y": [0.167]}}
layers, size, n = [], 0, 0
while size < 5 * 1024 * 1024:
    layer = {"ddd": 0, "ind": n, "ty": 4, "nm": "Shape %d" % n, "sr": 1,
             "ks": {"p": {"a": 1, "k": [kf(t) for t in range(0, 120, 4)]},
                    "o": {"a": 0, "k": 100}}, "ip": 0, "op": 120, "st": 0}
    layers.append(layer)
    size += len(json.dumps(layer))
    n += 1
print(json.dumps({"v": "5.7.4", "fr": 30, "ip": 0, "op": 120, "w": 512, "h": 512,
                  "nm": "bench", "layers": layers}))
PY

status=0
printf '%-10s %9s %9s %9s %9s %8s %9s %9s\n' input "MiB in" animpack "xxd -i" "cp out" "MB/s" "RSS MiB" "limit"
for input in random.bin anim.json; do
    stem=${input%.*}
    bytes=$(stat -c %s "$input")
    "$animpack" -p "$input" >/dev/null || { echo "animpack failed on $input" >&2; exit 1; }
    t_ap=$(best_of "$stem.c" "$animpack" -p "$input")
    t_xxd=$(best_of xxd.out sh -c "xxd -i '$input' > xxd.out")
    t_cp=$(best_of cp.out cp "$stem.c" cp.out)
    rm -f "$stem.c"
    rss=$(peak_rss "$animpack" -p "$input")
    rm -f xxd.out cp.out "$stem.c"
    awk -v name="$input" -v b="$bytes" -v ap="$t_ap" -v x="$t_xxd" -v c="$t_cp" -v rss="$rss" 'BEGIN {
        mib = b / 1048576; lim = 16
        printf "%-10s %9.1f %8.4fs %8.4fs %8.4fs %8.0f %9.1f %9.1f\n", name, mib, ap, x, c, (ap > 0 ? b / 1e6 / ap : 0), rss / 1024, lim
    }'
    verdict=$(awk -v b="$bytes" -v ap="$t_ap" -v x="$t_xxd" -v c="$t_cp" -v rss="$rss" 'BEGIN {
        s = ""
        s = s sprintf("  vs xxd -i: %5.1fx faster (target >= 10x): %s\n", (ap > 0 ? x / ap : 0), (x >= 10 * ap ? "pass" : "FAIL"))
        s = s sprintf("  vs cp of own output: %4.2fx (target <= 2x): %s\n", (c > 0 ? ap / c : 0), (ap <= 2 * c ? "pass" : "FAIL"))
        s = s sprintf("  peak RSS: %.1f MiB (target < 16 MiB whatever the size): %s", rss / 1024, (rss < 16 * 1024 ? "pass" : "FAIL"))
        print s
    }')
    echo "$verdict"
    case $verdict in *FAIL*) status=1 ;; esac
done

# 1 GiB: the output (6 GiB of text) goes into /dev/null through a link, since
# what is measured is animpack's own memory and time, not the disk's.
head -c $((1024 * 1024 * 1024)) /dev/urandom > huge.bin
ln -s /dev/null huge.c
/usr/bin/time -f "%e %M" -o huge.txt "$animpack" -p huge.bin >/dev/null
awk '{ printf "1 GiB input, output into /dev/null: %.2f s, %.0f MB/s, peak RSS %.1f MiB (target < 16 MiB): %s\n",
       $1, ($1 > 0 ? 1073.741824 / $1 : 0), $2 / 1024, ($2 < 16 * 1024 ? "pass" : "FAIL") }' huge.txt
[ "$(awk '{ print ($2 < 16 * 1024) }' huge.txt)" = 1 ] || status=1

if [ -n "${BASELINE:-}" ]; then
    [ -x "$BASELINE" ] || { echo "BASELINE is no executable: $BASELINE" >&2; exit 1; }
    cc -O2 "$root/bench/paired_runs.c" -o paired_runs
    mkdir base && ln -s /dev/null base/random.c && ln -s /dev/null base/huge.c
    ln -s /dev/null random.c
    echo "this animpack (A) against BASELINE (B), output into /dev/null; median of paired runs"
    for input in random.bin huge.bin; do
        stem=${input%.*}
        line=$(./paired_runs "$runs" -- "$animpack" -p "$input" -- "$BASELINE" -p "$input" -n "base/$stem")
        echo "$line" | awk -v name="$input" '{
            printf "  %-10s A %9.1f ms  B %9.1f ms  A/B %.2f (%.2f-%.2f): at least as fast per byte: %s\n",
                   name, $1, $2, $3, $4, $5, ($3 <= 1.0 ? "pass" : "FAIL") }'
        [ "$(echo "$line" | awk '{ print ($3 <= 1.0) }')" = 1 ] || status=1
    done
fi
exit "$status"

#!/bin/sh
# Benchmark of setwright on a conf.json with many items: the time and peak
# memory of one run, for ITEMS items (default 100000) that cycle through a few
# entries with values of varying length.
#
#   bench/setwright.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/h-setwright-rel. The run
# is timed as the best of RUNS runs (default 3); the files live in a temporary
# directory that is removed afterwards.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-3}
items=${ITEMS:-100000}

. "$root/bench/lib.sh"
build=$(release_tree "${1:-}" "$root/build/h-setwright-rel" setwright)
setwright="$build/setwright/setwright"
[ -x "$setwright" ] || { echo "no setwright binary at $setwright" >&2; exit 1; }
for tool in /usr/bin/time python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"

python3 - "$items" > conf.json <<'PY'
import json, sys
entries = [(0, "LV_HOR_RES_MAX"), (1, "LV_VER_RES_MAX"), (2, "LV_COLOR_DEPTH"),
           (7, "LV_DISP_DEF_REFR_PERIOD"), (36, "void *"), (72, "LV_TICK_CUSTOM_INCLUDE"),
           (132, "LV_TXT_BREAK_CHARS"), (211, "LV_USE_KELDRAN_SIMULATOR")]
items = []
for i in range(int(sys.argv[1])):
    offset, name = entries[i % len(entries)]
    items.append({"offset": offset, "name": name, "simulator_value": "(%d)" % i,
                  "board_value": "~~" if i % 5 == 0 else "x" * (i % 40)})
print(json.dumps({"lvconf": items}, indent=1))
PY

"$setwright" >/dev/null || { echo "setwright failed on the generated conf.json" >&2; exit 1; }
bytes=$(stat -c %s conf.json)
t=$(best_of board.h "$setwright")
rss=$(peak_rss "$setwright")
awk -v n="$items" -v b="$bytes" -v t="$t" -v rss="$rss" 'BEGIN {
    printf "%9s %9s %10s %12s %9s\n", "items", "MiB in", "time", "items/s", "RSS MiB"
    printf "%9d %9.1f %9.4fs %12.0f %9.1f\n", n, b / 1048576, t, (t > 0 ? n / t : 0), rss / 1024
}'

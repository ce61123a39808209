#!/bin/sh
# Benchmark of setwright on a conf.json with many items: the time and peak
# memory of one run, for ITEMS items (default 100000) that cycle through a few
# entries with values of varying length. The run must stay linear in the
# number of items: 100000 items within a second.
#
#   bench/setwright.sh [BUILD_DIR]
#
# Without BUILD_DIR a Release build is made in build/h-setwright-rel. The run
# is timed as the best of RUNS runs (default 3), by the wall clock and by the
# processor time it used, which a busy machine disturbs less; the files live
# in a temporary directory that is removed afterwards.
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
i=0
: > times.txt
while [ "$i" -lt "$runs" ]; do
    rm -f simulator.h board.h
    sync
    /usr/bin/time -f "%e %U %S %M" -a -o times.txt "$setwright" >/dev/null
    i=$((i + 1))
done
awk -v n="$items" -v b="$bytes" '
    { wall = (NR == 1 || $1 < wall) ? $1 : wall; cpu = (NR == 1 || $2 + $3 < cpu) ? $2 + $3 : cpu
      rss = ($4 > rss) ? $4 : rss }
    END {
        printf "%9s %9s %9s %9s %12s %9s\n", "items", "MiB in", "wall", "cpu", "items/s", "RSS MiB"
        printf "%9d %9.1f %8.2fs %8.2fs %12.0f %9.1f\n", n, b / 1048576, wall, cpu, (cpu > 0 ? n / cpu : 0), rss / 1024
        printf "  cpu for %d items: %.2fs (target <= 1s per 100000): %s\n", n, cpu, (cpu <= n / 100000 ? "pass" : "FAIL")
        exit (cpu <= n / 100000 ? 0 : 1)
    }' times.txt

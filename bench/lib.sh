# Shared by the benchmark scripts; sourced, not run. Expects $root and $runs.

# release_tree GIVEN DEFAULT TARGET: the build tree to measure, as an absolute path. GIVEN when
# the caller named one; otherwise a Release build of TARGET ("all" for everything) made in DEFAULT.
release_tree() {
    tree=$1
    if [ -z "$tree" ]; then
        tree=$2
        cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$tree" --target "$3" >/dev/null
    fi
    (cd "$tree" && pwd)
}

# best_of OUT CMD...: the shortest wall time of $runs runs of CMD, in seconds. OUT, the file the
# command writes, is removed and the page cache written back before each run, so that no run
# pays for freeing the previous output or for the writeback of an earlier one.
best_of() {
    out=$1
    shift
    best=""
    i=0
    while [ "$i" -lt "$runs" ]; do
        rm -f "$out"
        sync
        t0=$(date +%s%N)
        "$@" >/dev/null 2>&1
        t1=$(date +%s%N)
        best=$(awk -v a="$best" -v b="$(((t1 - t0) / 1000))" 'BEGIN { print (a == "" || b < a) ? b : a }')
        i=$((i + 1))
    done
    awk -v us="$best" 'BEGIN { printf "%.4f", us / 1e6 }'
}

# peak_rss CMD...: the largest resident set of one run of CMD, in KiB.
peak_rss() {
    /usr/bin/time -f %M -o peak_rss.txt "$@" >/dev/null 2>&1
    cat peak_rss.txt
}

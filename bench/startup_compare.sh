#!/usr/bin/env bash
# Compares lumidex's start-up with a bare Qt Widgets main window (bench/bare_window.cpp):
# the time from starting each program to its first painted window, its peak resident memory by
# then and the processor time it used till then. Both are started alternately RUNS times
# (default 9), the order swapped every round, and the medians and their ratios are printed.
#
#   bench/startup_compare.sh [RUNS]        (or ./dev.sh startup [RUNS], which builds first)
#
# Uses the display in DISPLAY; without one it starts Xvfb, with openbox as window manager where
# it is installed. Each start gets folders of its own (home, XDG folders, temporary folder), so
# that a running Lumidex, its single-copy lock or a recovery copy left by another run plays no
# part. LUMIDEX_BUILD_DIR names the build folder (default build). The machine's load average is
# printed too: while something else keeps the processors busy the times grow and scatter, and
# the processor time is the steadier figure.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bin=$(cd "${LUMIDEX_BUILD_DIR:-build}/bin" 2>/dev/null && pwd) ||
    { echo "startup_compare: no build folder; build first (./dev.sh build)" >&2; exit 1; }
for program in lumidex lumidex_bare_window; do
    if [ ! -x "$bin/$program" ]; then
        echo "startup_compare: $bin/$program is missing; build first (./dev.sh build)" >&2
        exit 1
    fi
done

# shellcheck source=../tools/privatedisplay.sh
. tools/privatedisplay.sh
[ -n "${DISPLAY:-}" ] || start_private_display 1440x900 startup_compare
unset QT_QPA_PLATFORM

# Waits without starting a process: a read from a pipe nobody writes to, with a time limit.
mkfifo "$scratch/tick"
exec 4<>"$scratch/tick"

# One start of $1 in fresh folders; prints "MILLISECONDS KIB PROCESSOR_MILLISECONDS".
measure() {
    local home
    home=$(mktemp -d "$scratch/run.XXXXXX")
    mkdir -m 700 "$home/runtime" "$home/tmp"
    (
        cd "$home"
        export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
            XDG_CACHE_HOME=$home/cache XDG_STATE_HOME=$home/state \
            XDG_RUNTIME_DIR=$home/runtime TMPDIR=$home/tmp
        # Taken in the shell that becomes the program: no other process starts in between.
        export LUMIDEX_STARTUP_PROBE=$EPOCHREALTIME
        exec "$bin/$1" >"$home/report" 2>/dev/null
    ) &
    local pid=$! tick
    for ((tick = 0; tick < 600; tick++)); do
        kill -0 "$pid" 2>/dev/null || break
        read -rt 0.05 -u 4 || true
    done
    kill "$pid" 2>/dev/null || true # still running after half a minute
    wait "$pid" || true
    local line
    line=$(cat "$home/report")
    rm -rf "$home"
    if [[ $line =~ first-frame-ms=([0-9.]+)\ peak-rss-kib=([0-9]+)\ cpu-ms=([0-9.]+) ]]; then
        echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
    else
        echo "startup_compare: $1 did not report its first window: ${line:-nothing}" >&2
        exit 1
    fi
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# One start of each unmeasured, so that both find their files in the page cache.
measure lumidex_bare_window >/dev/null
measure lumidex >/dev/null
: >"$scratch/lumidex_bare_window"
: >"$scratch/lumidex"
printf '%-4s %30s   %30s\n' "" "bare window" "lumidex"
printf '%-4s %10s %9s %9s   %10s %9s %9s\n' run "first ms" "peak MiB" "cpu ms" "first ms" "peak MiB" "cpu ms"
row() { awk '{ printf " %10.1f %9.1f %9.1f  ", $1, $2 / 1024, $3 }'; }
for i in $(seq "$runs"); do
    order=(lumidex_bare_window lumidex)
    [ $((i % 2)) -eq 0 ] && order=(lumidex lumidex_bare_window)
    for program in "${order[@]}"; do
        measure "$program" >>"$scratch/$program"
    done
    printf '%-4s%s%s\n' "$i" "$(tail -1 "$scratch/lumidex_bare_window" | row)" \
        "$(tail -1 "$scratch/lumidex" | row)"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

column_median() { cut -d' ' -f"$1" "$scratch/$2" | median; }
awk -v n="$runs" \
    -v bm="$(column_median 1 lumidex_bare_window)" -v om="$(column_median 1 lumidex)" \
    -v bk="$(column_median 2 lumidex_bare_window)" -v ok="$(column_median 2 lumidex)" \
    -v bc="$(column_median 3 lumidex_bare_window)" -v oc="$(column_median 3 lumidex)" 'BEGIN {
    printf "medians of %d starts each:\n", n
    printf "  first window:   lumidex %6.1f ms,  bare %6.1f ms,  ratio %.2f\n", om, bm, om / bm
    printf "  peak memory:    lumidex %6.1f MiB, bare %6.1f MiB, ratio %.2f\n", ok / 1024, bk / 1024, ok / bk
    printf "  processor time: lumidex %6.1f ms,  bare %6.1f ms,  ratio %.2f\n", oc, bc, oc / bc
}'

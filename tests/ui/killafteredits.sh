#!/bin/sh
# Starts the program offscreen, replays edits into it, waits for its recovery copy and kills it
# with SIGKILL, as a crash or a power cut would: killafteredits.sh LUMIDEX DIR ACTIONS
set -eu
program=$1
dir=$2
actions=$3
rm -rf "$dir"
mkdir -p "$dir/data" "$dir/tmp"
copy="$dir/data/Varnel/Lumidex/recovery.lmx"
XDG_DATA_HOME="$dir/data" TMPDIR="$dir/tmp" QT_QPA_PLATFORM=offscreen \
    LUMIDEX_REPLAY="$actions" "$program" /x &
pid=$!
tries=0
while [ ! -f "$copy" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 150 ]; then
        kill -9 $pid 2>/dev/null || true
        echo "no recovery copy after 15 s" >&2
        exit 1
    fi
    sleep 0.1
done
sleep 0.5 # the copy is written through a temporary; let a second write land too
kill -9 $pid
wait $pid 2>/dev/null || true
test -f "$copy"
echo "killed with a recovery copy of $(wc -c <"$copy") bytes"

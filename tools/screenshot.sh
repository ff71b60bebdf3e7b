#!/usr/bin/env bash
# Takes a screenshot of the running program under a virtual display, for the README and
# for looking at what a change did: tools/screenshot.sh OUT.png [switches]
# Needs xvfb, openbox, xdotool and imagemagick (apt-get install them once).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
display=:77
Xvfb $display -screen 0 1440x780x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
sleep 0.5
build/bin/lumidex /x "$@" 2>/dev/null &
sleep 1.5
xdotool key Return   # the start-up window's "&Ok"
sleep 0.5
main=$(xdotool search --onlyvisible --name '^Lumidex$' | tail -1)
xdotool windowmove "$main" 20 30
xdotool key alt+l    # "&Layout" hands over to the installation window
sleep 0.8
throw=$(xdotool search --onlyvisible --name '^Installation Dimensions$' | tail -1)
xdotool windowsize "$throw" 840 720
xdotool windowmove "$throw" 580 30
xdotool windowactivate --sync "$throw" 2>/dev/null
xdotool key F11      # LX-460 with its standard zoom lens
sleep 0.8
import -window root "$out"
pkill -f "build/bin/lumidex /x" || true
echo "wrote $out"

#!/usr/bin/env bash
# Takes a screenshot of the running program under a virtual display, for the README and
# for looking at what a change did: tools/screenshot.sh OUT.png [switches]
# Needs xvfb, openbox, xdotool and imagemagick (apt-get install them once).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
# shellcheck source=privatedisplay.sh
. tools/privatedisplay.sh
start_private_display 1440x780 screenshot
# The program with folders of its own: a Lumidex the user is running is neither brought to
# the front in its place nor offered this one's recovery copy.
mkdir -m 700 "$scratch/run"
TMPDIR=$scratch XDG_RUNTIME_DIR=$scratch/run XDG_DATA_HOME=$scratch/data \
    XDG_CONFIG_HOME=$scratch/config build/bin/lumidex /x "$@" 2>/dev/null &
started=("$!" "${started[@]}")
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
echo "wrote $out"

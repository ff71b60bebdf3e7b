# Sourced by the scripts that start Lumidex on a display of their own (bash).
#
# Only what the script starts is ended, each by its process id, and its folder removed: a
# Lumidex or a window manager of the user's, or of another run, is left alone. `started` holds
# the process ids, `scratch` the script's folder.
started=()
scratch=$(mktemp -d)
finish() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap finish EXIT

# start_private_display WIDTHxHEIGHT NAME: an X server on a display nobody uses (the server
# picks a free number and says which), exported as DISPLAY, with openbox where installed.
start_private_display() {
    Xvfb -displayfd 3 -screen 0 "$1x24" 3>"$scratch/display" >/dev/null 2>&1 &
    started=("$!")
    for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { echo "$2: Xvfb did not start" >&2; exit 1; }
    DISPLAY=:$(cat "$scratch/display")
    export DISPLAY
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        started=("$!" "${started[@]}")
        sleep 0.5
    fi
}

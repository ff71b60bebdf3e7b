#!/bin/sh
# Runs the command-line cases of a table file: each case runs its command with lumidex-cli on
# the PATH, in a scratch folder ($SCRATCH) beside the test data ($DATA), and checks the exit
# status, a pattern (grep -E) each of the standard output and error must show, or that the
# standard error stays empty. "lines" checks the whole standard output at once: its lines are
# joined into one, each ended by | instead of a newline, so ^ and $ are its start and end.
#   usage: clicases.sh CASES-FILE CLI-FOLDER DATA-FOLDER SCRATCH-FOLDER
set -u
cases=$1
PATH="$2:$PATH"
DATA=$3
SCRATCH=$4
export PATH DATA SCRATCH
rm -rf "$SCRATCH" && mkdir -p "$SCRATCH" || exit 1
failed=0
name=
check() {
    [ -n "$name" ] || return 0
    sh -c "$run" >"$SCRATCH/out" 2>"$SCRATCH/err" </dev/null
    got=$?
    problem=
    [ "$got" -eq "$status" ] || problem="exit status $got, not $status"
    [ -z "$stdout" ] || grep -Eq -- "$stdout" "$SCRATCH/out" || problem="$problem; stdout lacks $stdout"
    [ -z "$lines" ] || tr '\n' '|' <"$SCRATCH/out" | grep -Eq -- "$lines" ||
        problem="$problem; stdout does not match $lines"
    if [ "$stderr" = "(empty)" ]; then
        [ ! -s "$SCRATCH/err" ] || problem="$problem; stderr not empty"
    elif [ -n "$stderr" ]; then
        grep -Eq -- "$stderr" "$SCRATCH/err" || problem="$problem; stderr lacks $stderr"
    fi
    if [ -n "$problem" ]; then
        failed=1
        echo "FAIL $name: $problem"
        echo "  stdout: $(head -c 400 "$SCRATCH/out")"
        echo "  stderr: $(head -c 400 "$SCRATCH/err")"
    else
        echo "ok   $name"
    fi
}
while IFS= read -r line || [ -n "$line" ]; do
    key=${line%%[[:space:]]*}
    value=$(printf '%s' "${line#"$key"}" | sed 's/^[[:space:]]*//')
    case $key in
    case) check; name=$value; run=; status=0; stdout=; lines=; stderr= ;;
    run) run=$value ;;
    status) status=$value ;;
    stdout) stdout=$value ;;
    lines) lines=$value ;;
    stderr) stderr=$value ;;
    '' | '#'*) ;;
    *) echo "clicases: unknown line: $line"; exit 2 ;;
    esac
done <"$cases"
check
exit $failed

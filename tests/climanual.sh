#!/bin/sh
# The manual page of lumidex-cli names every command, option, session action and exit status
# that its --help and the README's lumidex-cli section name, so that neither runs ahead of it.
#   usage: climanual.sh LUMIDEX-CLI MANUAL-PAGE README
set -u
help=$("$1" --help) || exit 1
manual=$(sed 's/\\-/-/g' "$2")
readme=$(sed -n '/^## lumidex-cli/,/^## [^l]/p' "$3")
failed=0
need() {
    if ! printf '%s\n' "$manual" | grep -qF -- "$1"; then
        echo "the manual page lacks $1 (named by $2)"
        failed=1
    fi
}
for option in $(printf '%s\n%s\n' "$help" "$readme" | grep -oE -- '--[a-z]+' | sort -u); do
    need "$option" "--help or the README"
done
printf '%s\n' "$help" | grep -oE 'lumidex-cli [a-z]+( (export|import|sheet))?' | sort -u |
    while read -r _ command; do printf '%s\n' "$command"; done >"${TMPDIR:-/tmp}/climanual.$$"
while read -r command; do
    need ".B $command" "--help"
done <"${TMPDIR:-/tmp}/climanual.$$"
rm -f "${TMPDIR:-/tmp}/climanual.$$"
for action in $(printf '%s\n' "$readme" | grep -oE '"do":"[A-Za-z]+"' | cut -d'"' -f4 | sort -u); do
    need ".B $action" "the README's session actions"
done
for status in $(printf '%s\n%s\n' "$help" "$readme" | grep -oE 'status [0-9]+' | cut -d' ' -f2 | sort -u); do
    need ".B $status" "an exit status of --help or the README"
done
exit $failed

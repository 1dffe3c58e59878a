#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The renderer's options as its own help lists them, against what tells of
# them elsewhere: the manual page describes each one and the four exit
# statuses; the bash completion offers exactly them after "--", the values of
# --formato and --bits, folders after -d, and sessions, schedules, sound files
# and folders where a file is asked for, not other files.
# Usage: renderer_options.sh RENDERER MANPAGE COMPLETION
set -eu
renderer=$1 manpage=$2 completion=$3
# shellcheck source=/dev/null
source "$completion"
fail() { echo "FAIL: $*" >&2; exit 1; }
offered() {
    COMP_WORDS=(velorin-somnara-render "$@")
    COMP_CWORD=$#
    _velorin_somnara_render
    [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort
}
lines() { printf '%s\n' "$@" | LC_ALL=C sort; }

help=$(LC_ALL=C.UTF-8 LANGUAGE= "$renderer" --help | sed -n '/^Opciones:/,/^$/p' | grep -oE '^  (-[a-z], |    )--[a-z-]+' |
    grep -oE -- '--[a-z-]+' | LC_ALL=C sort)
[ -n "$help" ] || fail "the help lists no options"
for option in $help; do
    grep -qF -- "$(echo "$option" | sed 's/-/\\-/g')" "$manpage" || fail "the manual page lacks $option"
done
for status in 0 1 2 3; do
    grep -qx ".B $status" "$manpage" || fail "the manual page lacks the exit status $status"
done
[ "$(offered --)" = "$help" ] || {
    diff <(echo "$help") <(offered --) || true
    fail "the completion's options are not the help's (< help, > completion)"
}
[ "$(offered -f '')" = "$(lines flac mp3 ogg wav)" ] || fail "--formato's values"
[ "$(offered --bits '')" = "$(lines 16 24 32f)" ] || fail "--bits's values"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/carpeta"
touch "$tmp/Sueño.vso" "$tmp/viaje.SBG" "$tmp/salida.flac" "$tmp/nota.txt"
[ "$(offered -d "$tmp/")" = "$tmp/carpeta" ] || fail "-d offers folders only"
[ "$(offered "$tmp/")" = "$(lines "$tmp/Sueño.vso" "$tmp/carpeta" "$tmp/salida.flac" "$tmp/viaje.SBG")" ] ||
    fail "sessions, sound files and folders: $(offered "$tmp/")"
echo "$(echo "$help" | wc -l) options, as the help lists them, in the manual page and the completion"

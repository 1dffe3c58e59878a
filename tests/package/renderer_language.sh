#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The renderer's help speaks English under an English locale and Spanish under
# a Spanish one and under C, in the build and where it is installed.
# Usage: renderer_language.sh RENDERER...
set -eu
fail() { echo "FAIL: $*" >&2; exit 1; }
for renderer in "$@"; do
    helpIn() { env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$1" "$renderer" --help; }
    helpIn en_US.UTF-8 | grep -q '^Options:' || fail "$renderer: no English help with LANG=en_US.UTF-8"
    helpIn en_US.UTF-8 | grep -q '^Opciones:' && fail "$renderer: Spanish left in the English help"
    for lang in es_ES.UTF-8 C; do
        helpIn "$lang" | grep -q '^Opciones:' || fail "$renderer: no Spanish help with LANG=$lang"
    done
done
exit 0

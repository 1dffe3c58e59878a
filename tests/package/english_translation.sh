#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The English translation covers every text of ours: lupdate over the sources
# into a copy of the .ts changes nothing (no text new, gone or moved), and no
# entry is unfinished, obsolete or empty.
# Usage: english_translation.sh LUPDATE TS_FILE WORK_DIR LUPDATE_ARGS...
set -eu
lupdate=$1 ts=$2 work=$3
shift 3
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$work"
cp "$ts" "$work/refreshed.ts"
"$lupdate" -silent "$@" -ts "$work/refreshed.ts" >/dev/null
diff -u "$ts" "$work/refreshed.ts" ||
    fail "the .ts is not what the sources give: run the build's update_translations and translate what it adds"
if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts"; then
    fail "entries above are not finished"
fi
grep -q '<translation>' "$ts" || fail "the translation holds no entry"

#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program installed under PREFIX headless, as a new user, with one
# session file given as a file manager would, and checks what it found and
# where it wrote, and that both executables take the project's libraries from
# the installation. Usage: installed_program.sh PREFIX LIBDIR
set -eu
prefix=$1 libdir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
user="$home/.local/share/Velorin Somnara"
shared="$prefix/share/velorin-somnara"
fail() { echo "FAIL: $*" >&2; exit 1; }

libraries=$(realpath "$prefix/$libdir")
for program in velorin-somnara velorin-somnara-render; do
  ldd "$prefix/bin/$program" | grep -E 'lib(tickora|lumidot)\.so' | while read -r library arrow path rest; do
    [ "$(dirname "$(realpath -m "$path")")" = "$libraries" ] ||
      fail "$program takes $library from $path, not from $libraries"
  done
done

(cd "$prefix" && find . | sort) >"$work/before"
mkdir -p "$home"
mkdir -m 700 "$work/run"
cp "$shared/Sueño.vso" "$work/Mía.vso"

HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$work/run \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VS_REPORT_SHOWN=1 \
  "$prefix/bin/velorin-somnara" "$work/Mía.vso" >"$work/out" 2>"$work/err" ||
  { cat "$work/err"; fail "the installed program did not end cleanly"; }
grep -q '^shown ' "$work/out" || fail "the window was never shown"

# The list file is Windows-1252 text.
[ -f "$user/VsoSesion.dat" ] || fail "no session list in the per-user folder"
iconv -f CP1252 -t UTF-8 "$user/VsoSesion.dat" | tr -d '\r' >"$work/list"
for name in "Relajación.vso" "Sueño.vso" "Meditación profunda.vso"; do
  grep -qxF "$shared/$name" "$work/list" || { cat "$work/list"; fail "$name is not listed from $shared"; }
done
grep -qxF "$work/Mía.vso" "$work/list" || { cat "$work/list"; fail "the file given at start is not listed"; }

for wave in OndaL.wav OndaR.wav OndaM.wav; do
  [ ! -e "$user/$wave" ] || fail "$wave left behind"
done
(cd "$prefix" && find . | sort) >"$work/after"
diff "$work/before" "$work/after" || fail "the program wrote into its installation"
[ -f "$home/.config/Velorin Somnara/preferencias.ini" ] || fail "no preferences stored"

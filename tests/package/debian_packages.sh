#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages from the build's CPack configuration into OUT and
# checks them: together they hold exactly what an installation into PREFIX
# holds, each file once and in the package planned for it; none leaves a record
# in dpkg's database once removed; lintian finds no error and no warning.
# Usage: debian_packages.sh CPACK BUILD OUT PREFIX LIBDIR
set -eu
cpack=$1 build=$2 out=$3 prefix=$4 libdir=$5
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack did not make the packages"; }
set -- "$out"/*.deb

# "package path" for every file and link, without the folders.
for deb; do
  name=$(dpkg-deb -f "$deb" Package)
  dpkg-deb -c "$deb" | grep -v '^d' | sed 's/^.* \.\/usr\//usr\//; s/ -> .*//' |
    sed "s|^|$name |" >>"$out/contents"
done
cut -d' ' -f2- "$out/contents" | sort | uniq -d >"$out/twice"
[ ! -s "$out/twice" ] || { cat "$out/twice"; fail "files in more than one package"; }
cut -d' ' -f2- "$out/contents" | sed 's|^usr/||' | sort >"$out/packaged"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$out/installed"
diff "$out/installed" "$out/packaged" || fail "the packages differ from an installation (< installed only, > packaged only)"

# Where the split puts things: one file that marks each part.
while read -r name file; do
  grep -qxF "$name usr/$file" "$out/contents" || fail "$file is not in $name"
done <<LIST
velorin-somnara bin/velorin-somnara
velorin-somnara bin/velorin-somnara-render
velorin-somnara share/velorin-somnara/Sueño.vso
velorin-somnara share/man/man1/velorin-somnara.1.gz
velorin-somnara share/bash-completion/completions/velorin-somnara-render
libtickora1 $libdir/libtickora.so.1
liblumidot1 $libdir/liblumidot.so.1
libtickora-dev $libdir/libtickora.so
libtickora-dev include/tickora/tickora.h
libtickora-dev $libdir/cmake/Tickora/TickoraConfig.cmake
liblumidot-dev $libdir/liblumidot.so
liblumidot-dev include/lumidot/lumidot.h
liblumidot-dev $libdir/cmake/Lumidot/LumidotConfig.cmake
LIST

# dpkg keeps a removed package as "config-files" while it has conffiles or a
# postrm; without them `apt-get remove` leaves nothing behind.
for deb; do
  control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
  for kept in postrm conffiles; do
    ! echo "$control" | grep -qx "\./$kept" || fail "$(basename "$deb") has a $kept"
  done
done

# The same flags wherever the packages are checked: Debian's profile, no local
# configuration, and a warning fails as an error does.
echo "lintian $(lintian --print-version), profile debian: $(basename -a "$@" | tr '\n' ' ')"
lintian --no-cfg --ignore-lintian-env --allow-root --profile debian --fail-on error,warning "$@"

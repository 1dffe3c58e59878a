#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the consumer project against an installed prefix.
# Usage: find_package.sh PREFIX LIBDIR CONSUMER_SOURCE CXX_COMPILER CXX_FLAGS LINKER_FLAGS
set -eu
prefix=$1 libdir=$2 source=$3 cxx=$4 flags=$5 ldflags=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >"$work/configure.log" ||
  { cat "$work/configure.log"; exit 1; }
# The libraries must come from the prefix, not from the build tree.
grep -q "$prefix" "$work/CMakeCache.txt"
cmake --build "$work" >"$work/build.log" || { cat "$work/build.log"; exit 1; }
ldd "$work/consumer" | grep -q "$prefix/$libdir/libtickora.so.1"
ldd "$work/consumer" | grep -q "$prefix/$libdir/liblumidot.so.1"
QT_QPA_PLATFORM=offscreen "$work/consumer"

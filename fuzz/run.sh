#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in build-fuzz/ and runs one of them for the
# given number of seconds (default 600): the session file reader (default) or
# the MIDI length reader.
#   fuzz/run.sh [seconds] [session_file_fuzz | midi_file_fuzz]
# New inputs go to build-fuzz/corpus (corpus-midi for the MIDI reader); a crash leaves build-fuzz/crash-*
# to replay with
#   build-fuzz/<target> build-fuzz/crash-<id>
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-600}
target=${2:-session_file_fuzz}
case "$target" in
  session_file_fuzz) seeds="$root/fuzz/corpus" corpus="$build/corpus" ;;
  midi_file_fuzz) seeds="$root/fuzz/corpus_midi" corpus="$build/corpus-midi" ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "$target"
mkdir -p "$corpus"
exec "$build/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" \
     "$corpus" "$seeds"

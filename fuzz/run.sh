#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in build-fuzz/ and runs one of them for the
# given number of seconds (default 600): the session file reader (default),
# the MIDI length reader, or the importers of *.sbg and Gnaural schedules.
#   fuzz/run.sh [seconds] [session_file_fuzz | midi_file_fuzz | sbg_import_fuzz | gnaural_import_fuzz]
# New inputs go to build-fuzz/corpus (corpus-midi, corpus-sbg, corpus-gnaural for
# the others); a crash leaves build-fuzz/crash-* to replay with
#   build-fuzz/<target> build-fuzz/crash-<id>
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-600}
target=${2:-session_file_fuzz}
case "$target" in
  session_file_fuzz) seeds="$root/fuzz/corpus" corpus="$build/corpus" ;;
  midi_file_fuzz) seeds="$root/fuzz/corpus_midi" corpus="$build/corpus-midi" ;;
  sbg_import_fuzz) seeds="$root/fuzz/corpus_sbg" corpus="$build/corpus-sbg" ;;
  gnaural_import_fuzz) seeds="$root/fuzz/corpus_gnaural" corpus="$build/corpus-gnaural" ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "$target"
mkdir -p "$corpus"
set -- "$corpus" "$seeds"
# A target's dictionary of its format's words, where it has one.
dict="$root/fuzz/${target%_fuzz}.dict"
if [ -f "$dict" ]; then set -- "-dict=$dict" "$@"; fi
exec "$build/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" "$@"

#!/bin/sh
# Builds the fuzz targets with clang in build-fuzz/ and runs the session file
# reader for the given number of seconds (default 600). New inputs go to
# build-fuzz/corpus; a crash leaves build-fuzz/crash-* to replay with
#   build-fuzz/session_file_fuzz build-fuzz/crash-<id>
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-600}

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
mkdir -p "$build/corpus"
exec "$build/session_file_fuzz" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" \
     "$build/corpus" "$root/fuzz/corpus"

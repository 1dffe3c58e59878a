#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks, builds, then starts the
# program ("run") or runs every test ("test"). Safe to run again.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode="${1:-run}"

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev
  libsdl2-dev libsndfile1-dev libsamplerate0-dev
  libfluidsynth-dev timgm6mb-soundfont
  libcdio-dev libcdio-paranoia-dev libasound2-dev libhwy-dev
  libgtest-dev libgmock-dev
  libpulse-dev  # asking the sound server whether the output carries stereo
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease: the interface in English
  qt6-translations-l10n  # Qt's own buttons and dialogs in the user's language
  xvfb xauth
  desktop-file-utils appstream libxml2-utils shared-mime-info file
  lintian  # the suite checks the Debian packages it makes
  xdotool x11-apps netpbm  # driving and photographing the program from outside
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  sudo_cmd=""
  [[ $(id -u) -ne 0 ]] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build="$here/build"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

case "$mode" in
  run)
    exec "$build/src/shell/velorin-somnara"
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    (cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
    # The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer:
    # a finding ends the test with an error, so such a fault never lands.
    asan="$here/build-asan"
    flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    # -O1 with line tables only: about half the compile time of -O2 -g, and
    # the sanitizers' reports still name file and line.
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVS_BUILD_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
      -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
    cmake --build "$asan" --parallel "$(nproc)"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0"
    (cd "$asan" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Configures build/, the one build folder that run.sh, test.sh and package.sh share, so
# that whatever one of them compiled the others reuse: none of them may change the
# flags every object is compiled with. A new folder gets Ninja, the RelWithDebInfo type
# and the desktop app; a folder configured before keeps its settings. Every compile
# goes through record-warnings.sh (and ccache where it is installed), each time, so that
# test.sh can fail on the warnings of objects another script compiled. Arguments
# (-DNAME=VALUE) are applied each time.
# Usage: scripts/configure.sh [-DTIDYRA_BUILD_TESTS=ON ...]
set -euo pipefail
cd "$(dirname "$0")/.."

launcher="$PWD/scripts/record-warnings.sh"
if [ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
  launcher+=";$CMAKE_CXX_COMPILER_LAUNCHER"
elif command -v ccache >/dev/null; then
  launcher+=";ccache"
fi
# -Werror off too, also in a folder an older test.sh configured with it.
shared=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_C_COMPILER_LAUNCHER="$launcher"
        -DTIDYRA_WERROR=OFF)
if [ -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${shared[@]}" "$@" >/dev/null
  exit 0
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDYRA_BUILD_GUI=ON \
  -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=OFF "${shared[@]}" "$@" >/dev/null

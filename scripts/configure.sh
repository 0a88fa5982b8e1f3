#!/usr/bin/env bash
# Configures build/, the one build folder that run.sh, test.sh and package.sh share, so
# that whatever one of them compiled the others reuse. A new folder gets Ninja, the
# RelWithDebInfo type, the desktop app, and ccache where it is installed; a folder
# configured before keeps its settings. Arguments (-DNAME=VALUE) are applied each time.
# Usage: scripts/configure.sh [-DTIDYRA_BUILD_TESTS=ON ...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -f build/CMakeCache.txt ]; then
  cmake -S . -B build "$@" >/dev/null
  exit 0
fi
launcher=()
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDYRA_BUILD_GUI=ON \
  -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=OFF "${launcher[@]}" "$@" >/dev/null

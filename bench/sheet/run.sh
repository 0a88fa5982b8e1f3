#!/usr/bin/env bash
# Builds and runs the preview-dialog benchmark: opens the dialog offscreen for a plan of
# 100,000 files (or the count given) and prints the time and the peak memory.
# Usage: bench/sheet/run.sh [FILE_COUNT]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TIDYRA_BUILD_DIR:-$root/build-bench}
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target tidyra-sheet-bench -j"$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/bench/sheet/tidyra-sheet-bench" "$@"

#!/usr/bin/env bash
# Builds and runs the UI-thread stall benchmark: organizes, undoes, previews and applies
# 100,000 files (or the count given) in /dev/shm (or the folder given) through the view
# model, offscreen, and prints the longest gap between event-loop turns of each step.
# Usage: bench/stall/run.sh [FILE_COUNT [PARENT_FOLDER]]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TIDYRA_BUILD_DIR:-$root/build-bench}
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target tidyra-stall-bench -j"$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/bench/stall/tidyra-stall-bench" "$@"

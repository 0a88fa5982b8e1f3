#!/usr/bin/env bash
# Builds the benchmarks in Release (in build-bench) and prints the table of engine
# versus baseline times on tmpfs and on the disk, with preview-tree time and peak memory.
# Usage: scripts/bench.sh [--quick] [--repetitions N] [--tmpfs FOLDER] [--disk FOLDER]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTIDYRA_BUILD_GUI=OFF -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target tidyra-bench tidyra-bench-memory tidyra-baseline -j"$(nproc)"

echo "nproc: $(nproc); $(lscpu 2>/dev/null | grep 'Model name' | sed 's/  */ /g' || true)"
"$build/bench/tidyra-bench" "$@"

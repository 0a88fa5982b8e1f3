#!/usr/bin/env bash
# Builds the rules benchmark in release form into build-bench/ and runs it: the time to
# classify 100,000 names (or the count given) by a rules file of 50 categories and 500
# extensions against the built-in table; fails when the ratio is above 1.1.
# Usage: bench/rules/run.sh [NAME_COUNT]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTIDYRA_BUILD_GUI=OFF -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target tidyra-rules-bench -j2 >/dev/null
"$build/bench/rules/tidyra-rules-bench" "$@"

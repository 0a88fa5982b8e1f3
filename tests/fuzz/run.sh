#!/usr/bin/env bash
# Builds the journal's fuzz targets with clang, ASan and UBSan (in build-fuzz) and runs
# each for SECONDS (default 12) from the seeds. A crash or a broken round trip fails the
# run and leaves the input that caused it in build-fuzz/fuzz-artifacts/. The inputs found
# are kept in build-fuzz/fuzz-corpus/, so a later run starts where this one stopped.
# Usage: tests/fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-12}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DTIDYRA_FUZZ=ON -DTIDYRA_SANITIZE=ON -DTIDYRA_BUILD_GUI=OFF \
    -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
targets=(fuzz_journal_line_reader fuzz_journal_lines)
cmake --build build-fuzz -j2 --target "${targets[@]}"
mkdir -p build-fuzz/fuzz-artifacts
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/fuzz-corpus/$target"
  log=build-fuzz/fuzz-artifacts/$target.log
  status=0
  build-fuzz/tests/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/fuzz-artifacts/ "build-fuzz/fuzz-corpus/$target" \
      tests/fuzz/seeds >"$log" 2>&1 || status=$?
  grep -h '^stat::number_of_executed_units' "$log" | sed "s/^stat::/$target: /" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "$target failed; the input is in build-fuzz/fuzz-artifacts/" >&2
    exit 1
  fi
done

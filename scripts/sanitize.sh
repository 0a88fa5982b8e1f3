#!/usr/bin/env bash
# Builds the engine and the terminal front end with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize, Debug) and runs their tests under them:
# the model, services, fault, crash and CLI suites. Any report fails the run.
# Arguments go to ctest: scripts/sanitize.sh -LE slow leaves out the slow suites.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTIDYRA_SANITIZE=ON \
    -DTIDYRA_BUILD_GUI=OFF -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=OFF \
    "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-sanitize --output-on-failure -j2 "$@"

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_BUILD_GUI=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs all tests, as CI does
# (.ci/run): a compiler warning fails the build here.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
scripts/configure.sh -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs all tests, as CI does
# (.ci/run): a compiler warning fails the build here. Then the engine's and the terminal
# front end's tests again under ASan and UBSan (scripts/sanitize.sh), and the journal's
# fuzz targets for a few seconds each (tests/fuzz/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
scripts/configure.sh -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
scripts/sanitize.sh
tests/fuzz/run.sh 12

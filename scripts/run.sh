#!/usr/bin/env bash
# Installs what is missing, builds Tidyra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh gui
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=OFF -DTIDYRA_BUILD_GUI=ON
cmake --build build-run -j2 --target tidyra tidyra-cli
exec build-run/src/app/tidyra "$@"

#!/usr/bin/env bash
# Builds Tidyra in Release (in build-package) and makes the Debian package there:
# build-package/tidyra_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=OFF -DTIDYRA_BUILD_GUI=ON
cmake --build build-package -j2
(cd build-package && cpack -G DEB)

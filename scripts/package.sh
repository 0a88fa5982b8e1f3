#!/usr/bin/env bash
# Builds Tidyra in build/ (reusing what test.sh or run.sh built there) and makes the
# Debian package: build/tidyra_VERSION_ARCH.deb. lintian checks it where installed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh package
scripts/configure.sh
cmake --build build -j2
(cd build && cpack -G DEB)
if command -v lintian >/dev/null; then
  lintian -I -E --pedantic build/tidyra_*.deb
fi

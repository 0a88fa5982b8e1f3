#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is laid out as .clang-format
# says, builds everything in build/ and runs all tests, as CI does
# (.ci/run): a compiler warning fails here, also one printed when run.sh compiled the
# object (see record-warnings.sh). Then the engine's and the terminal front end's tests
# again under ASan and UBSan (scripts/sanitize.sh), and the journal's fuzz targets for a
# few seconds each (tests/fuzz/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 \
  | xargs -0 clang-format --dry-run --Werror
scripts/configure.sh -DTIDYRA_BUILD_TESTS=ON -DTIDYRA_BUILD_BENCH=ON
cmake --build build -j2
warnings=$(find build -name '*.warnings' -size +0c)
if [ -n "$warnings" ]; then
  # shellcheck disable=SC2086 # one name a line, none with blanks (CMake's object names)
  cat $warnings >&2
  echo "The compiler warned (above): a warning is a fault to fix." >&2
  exit 1
fi
ctest --test-dir build --output-on-failure -j2
scripts/sanitize.sh
tests/fuzz/run.sh 12

#!/usr/bin/env bash
# Builds and runs the preview-dialog benchmark: opens the dialog offscreen for a plan of
# 100,000 files (or the count given) and prints the time and the peak memory.
# Usage: bench/sheet/run.sh [FILE_COUNT]
set -euo pipefail
source "$(dirname "$0")/../app-bench.sh" tidyra-sheet-bench bench/sheet/tidyra-sheet-bench "$@"

#!/usr/bin/env bash
# Builds and runs the history benchmark: records a run of 100,000 files (or the count
# given) in /dev/shm (or the folder given), then opens the window on that folder
# offscreen, as after a restart, shows the run in the history and undoes it from there;
# prints the peak memory against 120 MB and the longest UI-thread stall against 50 ms.
# Usage: bench/history/run.sh [FILE_COUNT [PARENT_FOLDER]]
set -euo pipefail
source "$(dirname "$0")/../app-bench.sh" tidyra-history-bench bench/history/tidyra-history-bench "$@"

#!/usr/bin/env bash
# Builds and runs the UI-thread stall benchmark: organizes, undoes, previews and applies
# 100,000 files (or the count given) in /dev/shm (or the folder given) through the view
# model, offscreen, and prints the longest gap between event-loop turns of each step.
# Usage: bench/stall/run.sh [FILE_COUNT [PARENT_FOLDER]]
set -euo pipefail
source "$(dirname "$0")/../app-bench.sh" tidyra-stall-bench bench/stall/tidyra-stall-bench "$@"

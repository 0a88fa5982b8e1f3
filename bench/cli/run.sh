#!/usr/bin/env bash
# The terminal front end end to end: `tidyra-cli organize` (planning, the run journal
# with its syncs, and the moves) against the bare system-call baseline's plan and
# organize, on tmpfs; and the peak memory of `tidyra-cli organize` and `preview`.
# --instructions counts, with callgrind, the instructions of one organize and one undo
# instead: the same for the same binary and folder whatever else the machine does, so
# two builds compare within a fraction of a percent where times differ by several.
# Usage: bench/cli/run.sh [--files "100000 200000"] [--repetitions N] [--tmpfs DIR]
#                         [--instructions]
set -euo pipefail

counts="100000 200000"
repetitions=5
tmpfs=/dev/shm
instructions=false
while [ $# -gt 0 ]; do
  case "$1" in
    --files) counts=$2; shift 2 ;;
    --repetitions) repetitions=$2; shift 2 ;;
    --tmpfs) tmpfs=$2; shift 2 ;;
    --instructions) instructions=true; counts=${counts/100000 200000/10000}; shift ;;
    *) echo "usage: $0 [--files \"N ...\"] [--repetitions N] [--tmpfs DIR] [--instructions]" >&2
       exit 2 ;;
  esac
done

source "$(dirname "$0")/../cli-build.sh"

place=$(mktemp -d "$tmpfs/tidyra-cli-bench.XXXXXX")
trap 'rm -rf "$place"' EXIT
export XDG_STATE_HOME="$place/state"

now() { date +%s.%N; }

make_files() {
  python3 - "$1" "$2" <<'PY'
import os, sys
folder, count = sys.argv[1], int(sys.argv[2])
extensions = ["jpg", "png", "JPG", "pdf", "txt", "mp3", "zip", "cpp", "xyz", "docx"]
for i in range(count):
    os.close(os.open(os.path.join(folder, f"file{i:07d}.{extensions[i % len(extensions)]}"),
                     os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644))
PY
}

if $instructions; then
  printf '%-8s %16s %16s\n' files "organize instr" "undo instr"
  for count in $counts; do
    # One fixed path, so that two builds see the same names.
    folder="$tmpfs/tidyra-cli-instructions"
    rm -rf "$folder" && mkdir -p "$folder"
    make_files "$folder" "$count"
    counted() {
      valgrind --tool=callgrind --callgrind-out-file=/dev/null "$cli" "$@" 2>&1 >/dev/null \
        | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
    }
    organized=$(counted organize "$folder")
    undone=$(counted undo "$folder")
    printf '%-8s %16s %16s\n' "$count" "$organized" "$undone"
    rm -rf "$folder"
  done
  exit 0
fi

printf '%-8s %12s %12s %7s %16s %16s\n' files "cli ms" "baseline ms" ratio "organize peak MB" "preview peak MB"
for count in $counts; do
  folder="$place/folder-$count"
  mkdir -p "$folder"
  make_files "$folder" "$count"
  cli_times=()
  baseline_times=()
  # Taken in turn, so that both see the same machine.
  for _ in $(seq "$repetitions"); do
    start=$(now)
    "$cli" organize "$folder" >/dev/null
    end=$(now)
    cli_times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print (b - a) * 1000 }')")
    "$cli" undo "$folder" >/dev/null
    line=$("$baseline" "$folder")
    baseline_times+=("$(echo "$line" | awk '{ print $2 + $7 }')")
  done
  cli_ms=$(printf '%s\n' "${cli_times[@]}" | median)
  baseline_ms=$(printf '%s\n' "${baseline_times[@]}" | median)
  organize_kb=$(/usr/bin/time -f %M "$cli" organize "$folder" 2>&1 >/dev/null | tail -1)
  "$cli" undo "$folder" >/dev/null
  preview_kb=$(/usr/bin/time -f %M "$cli" preview "$folder" 2>&1 >/dev/null | tail -1)
  awk -v n="$count" -v c="$cli_ms" -v b="$baseline_ms" -v o="$organize_kb" -v p="$preview_kb" \
    'BEGIN { printf "%-8s %12.1f %12.1f %7.2f %16.1f %16.1f\n", n, c, b, c / b, o / 1024, p / 1024 }'
  rm -rf "$folder"
done
echo "targets: ratio at most 1.3 at 100000 files; peak memory at most 60 MB at 100000, linear beyond"

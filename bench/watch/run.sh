#!/usr/bin/env bash
# `tidyra-cli watch` on tmpfs: what an idle watch costs (its CPU ticks, utime + stime
# from /proc, over a quiet stretch: it should sleep in poll the whole time), and a
# burst of files dropped at once: how many runs it becomes and how long each run
# takes, next to the bare system-call baseline's plan and organize of as many files,
# with `tidyra-cli organize` (bench/cli/run.sh's ratio) on the same files for comparison.
# Usage: bench/watch/run.sh [--files N] [--bursts N] [--idle SECONDS] [--tmpfs DIR]
set -euo pipefail

count=10000
idle=10
bursts=3
tmpfs=/dev/shm
settle=1
while [ $# -gt 0 ]; do
  case "$1" in
    --files) count=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --bursts) bursts=$2; shift 2 ;;
    --tmpfs) tmpfs=$2; shift 2 ;;
    *) echo "usage: $0 [--files N] [--bursts N] [--idle SECONDS] [--tmpfs DIR]" >&2; exit 2 ;;
  esac
done

source "$(dirname "$0")/../cli-build.sh"

place=$(mktemp -d "$tmpfs/tidyra-watch-bench.XXXXXX")
watcher=
cleanup() {
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null && wait 2>/dev/null
  rm -rf "$place"
}
trap cleanup EXIT
export XDG_STATE_HOME="$place/state"
folder="$place/Downloads"
mkdir "$folder"

now() { date +%s.%N; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
make_files() {
  python3 - "$1" "$2" <<'PY'
import os, sys, time
folder, count = sys.argv[1], int(sys.argv[2])
extensions = ["jpg", "png", "JPG", "pdf", "txt", "mp3", "zip", "cpp", "xyz", "docx"]
for i in range(count):
    os.close(os.open(os.path.join(folder, f"file{i:07d}.{extensions[i % len(extensions)]}"),
                     os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644))
PY
}
top_level_files() { find "$1" -maxdepth 1 -type f | wc -l; }

# Each run's time is from the end of the wait before it (strace stops the watch at its
# waits alone, through seccomp) to its line, stamped as it comes.
mkfifo "$place/lines"
while IFS= read -r line; do printf '%s %s\n' "$(now)" "$line"; done <"$place/lines" >"$place/out" &
strace -f -ttt -T --seccomp-bpf -e trace=ppoll -o "$place/trace" \
  "$cli" watch --settle "$settle" "$folder" >"$place/lines" 2>"$place/err" &
tracer=$!
for _ in $(seq 100); do watcher=$(pgrep -P "$tracer" -x tidyra-cli) && break; sleep 0.1; done
for _ in $(seq 100); do grep -q Watching "$place/out" && break; sleep 0.1; done

before=$(ticks "$watcher")
sleep "$idle"
idle_ticks=$(( $(ticks "$watcher") - before ))

left=0
: >"$place/bursts"
for burst in $(seq "$bursts"); do
  burst_start=$(now)
  make_files "$folder" "$count"
  for _ in $(seq 1200); do [ "$(top_level_files "$folder")" -eq 0 ] && break; sleep 0.1; done
  left=$((left + $(top_level_files "$folder")))
  sleep $((settle * 3)) # a run that came late would show here
  echo "$burst_start $(now)" >>"$place/bursts"
  echo "burst $burst: $(grep -c " Organized " "$place/out" || true) runs so far"
  find "$folder" -mindepth 1 -delete
done
runs=$(grep -c " Organized " "$place/out" || true)
kill "$watcher"; wait "$tracer" 2>/dev/null || true; watcher=

# The same files by the baseline and by `tidyra-cli organize`, as bench/cli/run.sh does.
baseline_times=()
cli_times=()
for _ in $(seq "$bursts"); do
  rm -rf "$folder"; mkdir "$folder"; make_files "$folder" "$count"
  baseline_times+=("$("$baseline" "$folder" | awk '{ print $2 + $7 }')")
  rm -rf "$folder"; mkdir "$folder"; make_files "$folder" "$count"
  start=$(now); "$cli" organize "$folder" >/dev/null; end=$(now)
  cli_times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print (b - a) * 1000 }')")
done
baseline_ms=$(printf '%s\n' "${baseline_times[@]}" | median)
cli_ms=$(printf '%s\n' "${cli_times[@]}" | median)

echo "idle: $idle_ticks CPU ticks of tidyra-cli watch over ${idle} s (target 0)"
echo "bursts: $bursts x $count files dropped at once; $runs runs in all; $left left in the folder"
echo "baseline plan + organize (median): $(printf '%.1f' "$baseline_ms") ms; tidyra-cli organize: $(printf '%.1f' "$cli_ms") ms, ratio $(awk -v c="$cli_ms" -v b="$baseline_ms" 'BEGIN { printf "%.2f", c / b }')"
printf '%-5s %8s %10s %8s\n' run files ms ratio
python3 - "$place/trace" "$place/bursts" "$baseline_ms" "$count" <<'PY'
import re, sys
trace, bursts, base, count = sys.argv[1], sys.argv[2], float(sys.argv[3]), int(sys.argv[4])
# The stretches between the end of one wait and the start of the next: the watch at work.
waits = []
for line in open(trace):
    found = re.match(r"\d+ ([\d.]+) ppoll\(.*<([\d.]+)>$", line)
    if found:
        waits.append((float(found[1]), float(found[1]) + float(found[2])))
work = [(end, start) for (_, end), (start, _) in zip(waits, waits[1:])]
# A burst's run is the longest stretch of work while that burst lasted (reading the
# events of a burst takes a few short stretches of its own).
for k, line in enumerate(open(bursts), 1):
    first, last = map(float, line.split())
    stretches = [w for w in work if first <= w[0] <= last]
    if not stretches:
        print(f"{k:<5} {count:>8} {'n/a':>10} {'n/a':>8}")
        continue
    begin, end = max(stretches, key=lambda w: w[1] - w[0])
    ms = (end - begin) * 1000
    print(f"{k:<5} {count:>8} {ms:>10.1f} {ms / base:>8.2f}")
PY
echo "targets: 0 idle ticks; a few runs at most, each within bench/cli/run.sh's ratio (1.3)"

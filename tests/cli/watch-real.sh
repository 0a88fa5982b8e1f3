#!/usr/bin/env bash
# The real `tidyra-cli watch` on a real folder, with real inotify and real time
# (settle 1 s, every wait bounded generously): files dropped in are organized once
# they settle (which files are still being written is the engine tests'); Ctrl-C ends
# the watch with status 0 and the runs can be undone; a watched folder that is removed ends its watch with an error;
# a run the journal stopped half-way makes the status 1.
# Usage: watch-real.sh TIDYRA_CLI
set -u
cli=$1
work=$(mktemp -d /tmp/tidyra-watch.XXXXXX)
export XDG_STATE_HOME=$work/state
folder=$work/Downloads
mkdir "$folder"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL $*"; echo "--- out"; cat "$work/out"; echo "--- err"; cat "$work/err"; exit 1; }
# Waits up to 30 s for a shell condition.
within() {
  for _ in $(seq 300); do eval "$1" && return 0; sleep 0.1; done
  return 1
}
organized() { [ ! -e "$folder/$1" ] && [ -n "$(find "$folder" -mindepth 2 -name "$1")" ]; }

echo before > "$folder/before.txt"
"$cli" watch --settle 1 "$folder" >"$work/out" 2>"$work/err" &
watcher=$!
pids+=("$watcher")
within 'grep -q "^Watching" "$work/out"' || fail "the watch did not start"

for name in a.pdf b.jpg c.txt; do echo "$name" > "$folder/$name"; done
within 'organized a.pdf && organized b.jpg && organized c.txt && organized before.txt' \
  || fail "the dropped files were not organized"
# A later drop goes in a later run.
echo iso > "$folder/d.iso"
within 'organized d.iso' || fail "a later drop was not organized"
grep -q "^Organized [0-9]* files\? in Downloads automatically\.$" "$work/out" \
  || fail "no run line"

kill -INT "$watcher"
wait "$watcher"
status=$?
[ "$status" -eq 0 ] || fail "Ctrl-C ended the watch with status $status"
"$cli" undo "$folder" >"$work/undo" 2>&1 || fail "undo failed: $(cat "$work/undo")"
[ -e "$folder/d.iso" ] || fail "undo did not take back the last automatic run"

mkdir "$work/Gone"
"$cli" watch "$work/Gone" >"$work/out" 2>"$work/err" &
gone=$!
pids+=("$gone")
within 'grep -q "^Watching" "$work/out"' || fail "the second watch did not start"
rmdir "$work/Gone"
within '! kill -0 "$gone" 2>/dev/null' || fail "the watch of a removed folder went on"
wait "$gone"
status=$?
[ "$status" -eq 1 ] && grep -q "removed" "$work/err" || fail "removed folder: status $status"

# A journal that cannot grow (a file size limit, its signal ignored) stops a run
# half-way: the watch goes on, and its status at the end says so, as organize's would.
mkdir "$work/Full"
for i in $(seq 40); do echo x > "$work/Full/a-file-with-a-longer-name-$i.txt"; done
(trap '' XFSZ; ulimit -f 1; exec "$cli" watch --settle 1 "$work/Full" >"$work/out" 2>"$work/err") &
full=$!
pids+=("$full")
within 'grep -q "the run stopped after" "$work/err"' || fail "the journal did not stop the run"
# A later run that ends well does not make up for it.
echo z > "$work/Full/z.txt"
within 'grep -q "^Organized 1 file in Full" "$work/out"' || fail "no run after the stopped one"
kill -INT "$full"
wait "$full"
status=$?
[ "$status" -eq 1 ] || fail "a run stopped half-way: status $status"
echo "PASS"

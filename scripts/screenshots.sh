#!/usr/bin/env bash
# Renders the main window and the preview dialog offscreen, on a sample folder of loose
# downloads, into docs/screenshots/main-window.png and docs/screenshots/preview-sheet.png,
# the main window in German (main-window-de.png) and with a dark palette
# (main-window-dark.png), and a run that skips files: its preview (preview-skipped.png),
# the window after it (main-window-details.png) and its details (run-details.png).
# Usage: scripts/screenshots.sh            (builds what it needs in build/, or $TIDYRA_BUILD_DIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TIDYRA_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=OFF
fi
cmake --build "$build" --target tidyra-screenshots -j"$(nproc)"

# A fixed place, so the path shown in the window is the same at every run.
sample=${TMPDIR:-/tmp}/tidyra-screenshots/Downloads
rm -rf "$(dirname "$sample")"
mkdir -p "$sample"
for name in IMG_2041.jpg IMG_2042.jpg beach.png scan.heic "Quarterly Report.pdf" notes.txt \
  invoice-0457.pdf budget.xlsx song.mp3 podcast-ep12.m4a trip.mov screen-recording.mp4 \
  project.zip backup.tar.gz app.py index.html logo.svg mockup.fig Inter.ttf model.stl \
  setup.deb LICENSE; do
  printf 'sample\n' >"$sample/$name"
done

mkdir -p "$root/docs/screenshots"
for variant in "" de dark details; do
  # Each picture's own record of runs, never the user's: its history shows its runs only.
  XDG_STATE_HOME=$(dirname "$sample")/state${variant:+-$variant} QT_QPA_PLATFORM=offscreen \
    "$build/tools/screenshots/tidyra-screenshots" "$sample" "$root/docs/screenshots" \
    ${variant:+"$variant"}
done
rm -rf "$(dirname "$sample")"

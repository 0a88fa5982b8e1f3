#!/bin/sh
# Validates the desktop entry and the AppStream metainfo with the freedesktop tools.
# Exits 77 (skipped) where the tools are not installed.
# Usage: validate-desktop-files.sh DATA_FOLDER
set -eu
data=$1
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
  echo "desktop-file-validate or appstreamcli is not installed; skipped"
  exit 77
fi
# desktop-file-validate reports problems but exits 0 on hints, so any output fails.
out=$(desktop-file-validate "$data/io.github.tidyra.Tidyra.desktop" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "$out"; exit 1; }
appstreamcli validate --no-net --explain "$data/io.github.tidyra.Tidyra.metainfo.xml"

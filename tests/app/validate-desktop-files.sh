#!/bin/sh
# Validates the desktop entry, the AppStream metainfo and the file managers' "Tidy with
# Tidyra" actions with the freedesktop tools. Exits 77 (skipped) where the tools are not
# installed.
# Usage: validate-desktop-files.sh DATA_FOLDER
set -eu
data=$1
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
  echo "desktop-file-validate or appstreamcli is not installed; skipped"
  exit 77
fi
status=0
# desktop-file-validate reports problems but exits 0 on hints, so any output fails. It
# knows only applications, links and folders: the action formats' own type and keys
# (KDE's Service with MimeType and Actions; Type=Action with Tooltip and Profiles) are
# the only reports let through.
validate() { # FILE [EXPECTED_REPORTS]
  out=$(desktop-file-validate "$1" 2>&1 | grep -Ev "${2:-^$}") || true
  [ -z "$out" ] || { echo "$out"; status=1; }
}
validate "$data/io.github.tidyra.Tidyra.desktop"
validate "$data/file-manager/dolphin.desktop" 'the type is "Service" while this key'
validate "$data/file-manager/file-manager-actions.desktop" \
  '"Action" for key "Type"|key "(Tooltip|Profiles)" in group "Desktop Entry"'
# A MIME type would make Tidyra what opens folders wherever the desktop names no default.
if grep -q '^MimeType=' "$data/io.github.tidyra.Tidyra.desktop"; then
  echo "io.github.tidyra.Tidyra.desktop claims a MIME type; file managers reach Tidyra through its actions"
  status=1
fi
# Nemo hides an action that lacks one of the keys it requires.
nemo=$data/file-manager/nemo.nemo_action
[ "$(head -n 1 "$nemo")" = "[Nemo Action]" ] || { echo "$nemo: no [Nemo Action] group"; status=1; }
for key in Name Exec Selection Extensions; do
  grep -q "^$key=" "$nemo" || { echo "$nemo: no $key"; status=1; }
done
appstreamcli validate --no-net --explain "$data/io.github.tidyra.Tidyra.metainfo.xml" || status=1
exit $status

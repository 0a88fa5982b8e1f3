#!/usr/bin/env bash
# Installs what is missing, builds Tidyra in build/ (reusing what test.sh built there)
# and starts it. Arguments go to tidyra (--hidden, a folder).
set -euo pipefail
cd "$(dirname "$0")/.."

needs_display=yes
for argument in "$@"; do
  case $argument in -h|--help|-v|-V|--version) needs_display=no ;; esac
done
if [ $needs_display = yes ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'TEXT'
Tidyra is a desktop program and needs a display, but neither DISPLAY (X11) nor
WAYLAND_DISPLAY (Wayland) is set. Start it from a desktop session, or over SSH with
"ssh -X". Without a display, scripts/test.sh still builds and tests everything, and
build/src/cli/tidyra-cli sorts folders from the terminal.
TEXT
  exit 1
fi

scripts/setup.sh gui
scripts/configure.sh
cmake --build build -j2 --target tidyra tidyra-cli
exec build/src/app/tidyra "$@"

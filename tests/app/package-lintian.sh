#!/bin/sh
# Makes the Debian package of the build folder and has lintian check it, pedantic and
# informational tags included: any tag fails. Exits 77 (skipped) without lintian.
# Usage: package-lintian.sh BUILD_FOLDER
set -eu
command -v lintian >/dev/null || { echo "lintian is not installed; skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
# spelling-error-in-binary is left out: it reads machine code as words (a string the
# compiler builds from immediates, "open fol" then "L", came out as "folL").
lintian -I -E --pedantic --fail-on error,warning,info,pedantic \
  --suppress-tags spelling-error-in-binary "$out"/tidyra_*.deb

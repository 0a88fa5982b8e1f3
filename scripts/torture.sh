#!/usr/bin/env bash
# Tortures the real tidyra-cli: random folders, random runs, undos, watches and user
# edits, kills and injected errors at system calls, on every file system this machine
# can mount; the invariants are checked after every step. Needs root (it mounts), strace,
# and for each file system its tools (see tools/torture/mounts.py); one it cannot mount
# is skipped, saying why.
# Usage: scripts/torture.sh [--minutes N] [--seed S] [--runs N] [--steps N]
#                           [--fs tmpfs,ext4,exfat,ntfs,sshfs,vfat] [--cli PATH]
#                           [--keep DIR]   (copies each failing folder and its journals)
# Without --minutes or --runs it plays one scenario per file system. vfat (through
# fusefat) is left out unless asked for: fusefat can hang under a long run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=$root/build/src/cli/tidyra-cli
args=()
while [ $# -gt 0 ]; do
  case $1 in
    --cli) cli=$2; shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
if [ ! -x "$cli" ]; then
  echo "No tidyra-cli at $cli: build it (cmake --build build --target tidyra-cli) or pass --cli." >&2
  exit 2
fi
exec /usr/bin/python3 "$root/tools/torture/torture.py" --cli "$cli" "${args[@]}"

#!/usr/bin/env bash
# tidyra-cli organize and undo on an sshfs mount (a local sftp-server, no SSH daemon),
# against the floor of one existence check and one plain rename per file over the same
# mount; with no added latency and with 0.5 ms each way, as on a LAN. Needs sshfs,
# openssh-sftp-server and FUSE (scripts/setup.sh test installs them).
# Usage: bench/share/run.sh [--files N] [--repetitions N] [--latency "0,0.5,2"]
#                           [--work DIR]   (where the served folder lives; /var/tmp)
set -euo pipefail
source "$(dirname "$0")/../cli-build.sh"
exec python3 "$root/bench/share/share.py" --cli "$cli" --baseline "$baseline" "$@"

#!/usr/bin/env python3
"""Randomised torture of the real tidyra-cli: random folders, random sequences of
preview / organize / undo / undo --run / watch with user edits between them, kills and
injected errors at system calls, and invariants checked after every step, on every file
system this machine can mount. Prints a seed and a reproduction for each failure."""

import argparse
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

import mounts
import steps
import trees
from scenario import Failure, Scenario



class Stats:
    def __init__(self):
        self.rows = {}

    def count(self, fs, kind, at_risk, failed):
        row = self.rows.setdefault((fs, kind), [0, 0, 0])
        row[0] += 1
        row[1] += at_risk
        row[2] += failed

    def table(self):
        lines = [f"{'file system':<12} {'interruption':<13} {'runs':>6} {'files at risk':>14} "
                 f"{'failures':>9}"]
        for (fs, kind), (runs, risk, failed) in sorted(self.rows.items()):
            lines.append(f"{fs:<12} {kind:<13} {runs:>6} {risk:>14} {failed:>9}")
        return "\n".join(lines)


def main():
    # Ctrl-C, or a kill (SIGTERM) of a run started in the background, where the shell
    # ignores Ctrl-C for it: either ends it with its figures, and unmounts.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", required=True, help="the tidyra-cli to torture")
    parser.add_argument("--seed", type=int, default=None, help="first scenario seed")
    parser.add_argument("--runs", type=int, default=None, help="scenarios per file system")
    parser.add_argument("--minutes", type=float, default=None, help="run this long")
    parser.add_argument("--steps", type=int, default=12, help="steps per scenario")
    parser.add_argument("--tolerate", default="",
                        help="comma-separated words: problems naming one are printed, not failed")
    parser.add_argument("--fs", default="tmpfs,ext4,exfat,ntfs,sshfs")
    parser.add_argument("--keep", default=None,
                        help="copy each failing folder and its journals under this folder")
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else random.randrange(10**6)
    runs = args.runs if args.runs is not None else (None if args.minutes else 1)
    deadline = time.monotonic() + args.minutes * 60 if args.minutes else None
    work = tempfile.mkdtemp(prefix="tidyra-torture.")
    stats, failures, usable = Stats(), 0, []
    if not steps.HAVE_STRACE:
        print("NOTE: strace is not installed: no kills or errors at system calls")
    try:
        for name in args.fs.split(","):
            mount = mounts.KINDS[name](name, work)
            try:
                mount.setup()
                caps = trees.probe_caps(os.path.join(mount.point, "probe"))
                usable.append((mount, caps))
            except mounts.Unavailable as why:
                print(f"SKIP {name}: {why}")
                mount.teardown()
        n = 0
        while usable and (runs is None or n < runs) and (
                deadline is None or time.monotonic() < deadline):
            for mount, caps in usable:
                failures += run_one(seed + n, mount, caps, args, work, stats)
            n += 1
    except KeyboardInterrupt:
        print("stopped (Ctrl-C or SIGTERM): the figures so far")
    finally:
        for mount, _ in usable:
            mount.teardown()
        shutil.rmtree(work, ignore_errors=True)
    print(stats.table())
    print(f"{failures} failing scenario(s)")
    return 1 if failures else (77 if not usable else 0)


def keep(scenario, where):
    """The failing folder as it is, its journals and the model's view, for a look."""
    os.makedirs(where, exist_ok=True)
    subprocess.run([b"cp", b"-a", os.fsencode(scenario.folder), os.fsencode(where)], check=False)
    subprocess.run(["cp", "-a", scenario.cli.env["XDG_STATE_HOME"], where], check=False)
    with open(os.path.join(where, "model.txt"), "w") as out:
        for f in scenario.model.files.values():
            out.write(f"{f.fid} {f.home!r} {f.key}\n")
    print(f"  kept in {where}")


def run_one(seed, mount, caps, args, work, stats):
    scenario = None
    try:
        scenario = Scenario(seed, mount, caps, args.cli, work, stats,
                            [w for w in args.tolerate.split(",") if w])
        scenario.play(args.steps)
        return 0
    except Failure as failure:
        print(f"FAIL seed {seed} on {mount.name}:\n  " + str(failure).replace("\n", "\n  "))
        print("  steps: " + "; ".join(scenario.log if scenario else []))
        if args.keep and scenario:
            keep(scenario, os.path.join(args.keep, f"{seed}-{mount.name}"))
        print(f"  reproduce: scripts/torture.sh --seed {seed} --runs 1 --fs {mount.name}"
              f" --steps {args.steps}   (timed signals may land elsewhere)")
        sys.stdout.flush()
        return 1
    except Exception as error:  # the harness's own fault: say so, and go on with the next
        print(f"HARNESS ERROR seed {seed} on {mount.name}: {error!r}")
        traceback.print_exc(file=sys.stdout)
        stats.count(mount.name, "harness-error", 0, True)
        return 1
    finally:
        if os.path.ismount(mount.point) or mount.point == mount.work:
            shutil.rmtree(os.path.join(mount.point, "s%d" % seed), ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

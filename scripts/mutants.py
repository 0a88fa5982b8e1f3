#!/usr/bin/env python3
"""Runs a round of hand-written mutants against the tests, one at a time, and prints
which tests killed each. A mutant is one literal replacement in one source file; the
file is restored after each, also when the round is interrupted.

Each line of MUTANTS is `file | text to find | replacement | ctest regex`, where the
text must occur exactly once in the file; `#` starts a comment line. The build folder
must be configured with the tests (scripts/test.sh does that).

Usage: scripts/mutants.py MUTANTS [--build build] [--timeout 600]"""

import argparse
import os
import subprocess
import sys


def parse(path):
    mutants = []
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        parts = [part.strip() for part in line.rstrip("\n").split(" | ")]
        if len(parts) != 4:
            sys.exit(f"{path}:{number}: want `file | find | replace | ctest regex`")
        mutants.append((number, *parts))
    return mutants


def verdict(build, regex, timeout):
    """'killed (tests)', 'survived', or why the mutant could not be judged."""
    made = subprocess.run(["nice", "-n", "10", "cmake", "--build", build, "-j2"],
                          capture_output=True, text=True)
    if made.returncode != 0:
        return "killed by the build"
    try:
        tested = subprocess.run(["ctest", "--test-dir", build, "-j2", "-R", regex],
                                capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return "killed (timed out)"
    failed = [line.split(" - ", 1)[-1].split(" (")[0].strip()
              for line in tested.stdout.splitlines() if " - " in line and "(" in line]
    if tested.returncode == 0:
        return "survived"
    return "killed by " + (", ".join(failed[:3]) or "ctest")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("mutants")
    parser.add_argument("--build", default="build")
    parser.add_argument("--timeout", type=int, default=600)
    args = parser.parse_args()
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    killed = total = 0
    for number, path, find, replace, regex in parse(args.mutants):
        original = open(path, encoding="utf-8").read()
        if original.count(find) != 1:
            print(f"| {path} | `{find}` | found {original.count(find)} times, not run |")
            continue
        try:
            with open(path, "w", encoding="utf-8") as file:
                file.write(original.replace(find, replace))
            result = verdict(args.build, regex, args.timeout)
        finally:
            with open(path, "w", encoding="utf-8") as file:
                file.write(original)
        total += 1
        killed += result.startswith("killed")
        print(f"| {path} | `{find}` → `{replace}` | {result} |", flush=True)
    # The restored sources are older than the mutants' objects: build them again.
    subprocess.run(["cmake", "--build", args.build, "-j2"], capture_output=True)
    print(f"{killed} of {total} killed")


if __name__ == "__main__":
    main()

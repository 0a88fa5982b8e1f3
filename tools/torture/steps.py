"""The steps of a scenario: the real tidyra-cli run as a user runs it, interrupted by a
signal at a random instant or by strace at the N-th call of a system call, and the edits
a user makes between runs."""

import json
import os
import re
import shutil
import signal
import subprocess
import time

import invariants

SYSCALLS = ["renameat2", "renameat", "linkat", "unlinkat", "openat", "mkdirat", "fdatasync",
            "fsync", "write"]
ERRORS = ["EIO", "ENOSPC"]
KINDS = ["none", "sigint", "sigkill", "strace-kill", "strace-error"]


class Result:
    def __init__(self, code, out, err, killed):
        self.code, self.out, self.err, self.killed = code, out, err, killed

    def count(self, pattern):
        """The first number the output says in `pattern`, or None."""
        found = re.search(pattern, self.out)
        return int(found.group(1)) if found else None


class Cli:
    """tidyra-cli with a private journal and settings folder."""

    def __init__(self, binary, home):
        self.binary = binary
        self.env = dict(os.environ, XDG_STATE_HOME=os.path.join(home, "state"),
                        XDG_CONFIG_HOME=os.path.join(home, "config"), LC_ALL="C.UTF-8")

    def start(self, args, interruption=("none",)):
        command = [self.binary] + args
        kind = interruption[0]
        if kind.startswith("strace") or kind == "pause":
            call, nth = interruption[1], interruption[2]
            fault = {"strace-kill": "signal=KILL", "pause": "delay_enter=1000000"}.get(
                kind, f"error={interruption[-1]}")
            command = ["strace", "-f", "-o", "/dev/null", "-e", f"trace={call}",
                       "-e", f"inject={call}:{fault}:when={nth}"] + command
        return subprocess.Popen(command, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, start_new_session=True)

    def run(self, args, interruption=("none",), timeout=120):
        kind = interruption[0]
        process = self.start(args, interruption)
        return self.finish(process, kind, interruption, timeout)

    @staticmethod
    def finish(process, kind="none", interruption=(), timeout=120):
        if kind in ("sigint", "sigkill"):
            time.sleep(interruption[1])
            if process.poll() is None:
                process.send_signal(signal.SIGINT if kind == "sigint" else signal.SIGKILL)
        out, err = process.communicate(timeout=timeout)
        code = process.returncode
        # strace passes the kill on as its own death by that signal (or 128 + 9).
        killed = code in (-9, 137)
        return Result(code, out.decode(errors="replace"), err.decode(errors="replace"), killed)

    def history(self, folder):
        result = self.run(["history", "--json", folder])
        if result.code != 0:
            raise RuntimeError(f"history failed ({result.code}): {result.err.strip()}")
        return json.loads(result.out)["runs"]

    def watch(self, folder, seconds, during=None):
        """`watch --settle 1` for a moment, stopped by Ctrl-C; `during` runs meanwhile."""
        process = subprocess.Popen([self.binary, "watch", "--settle", "1", folder],
                                   env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                   start_new_session=True)
        time.sleep(seconds)
        extra = during() if during else None
        process.send_signal(signal.SIGINT)
        out, err = process.communicate(timeout=60)
        return Result(process.returncode, out.decode(errors="replace"),
                      err.decode(errors="replace"), False), extra


HAVE_STRACE = shutil.which("strace") is not None


def pick_interruption(rng, kind=None):
    weights = [35, 10, 10, 30, 15] if HAVE_STRACE else [35, 10, 10, 0, 0]
    kind = kind or rng.choices(KINDS, weights=weights)[0]
    if kind in ("sigint", "sigkill"):
        return (kind, rng.choice([0.0, 0.002, 0.005, 0.01, 0.02, 0.05]))
    if kind == "strace-kill":
        return (kind, rng.choice(SYSCALLS), rng.randrange(1, 40))
    if kind == "strace-error":
        return (kind, rng.choice(SYSCALLS), rng.randrange(1, 40), rng.choice(ERRORS))
    return ("none",)


def describe(interruption):
    kind = interruption[0]
    if kind in ("sigint", "sigkill"):
        return f"{kind} after {interruption[1] * 1000:.0f} ms"
    if kind == "strace-kill":
        return f"KILL at {interruption[1]} #{interruption[2]}"
    if kind == "strace-error":
        return f"{interruption[3]} at {interruption[1]} #{interruption[2]}"
    return "uninterrupted"


# --- The user's own edits. Each keeps the model true and returns what it did. ---

def user_edit(model, where, away, replacing=True):
    """One edit of the user's; `replacing` False leaves sorted files as they are."""
    rng = model.rng
    top = [f for f in model.files.values() if where.get(f.fid, b"/").count(b"/") == 0]
    placed = [f for f in model.files.values() if invariants.is_sorted_place(where.get(f.fid, b""))]
    edit = rng.choice(["create", "create", "remove", "rename", "replace", "move-away"]
                      if replacing else ["create", "create", "remove", "rename", "move-away"])
    if edit == "create":
        sorted_homes = [f.home for f in placed if b"/" not in f.home]
        name = rng.choice(sorted_homes) if sorted_homes and rng.random() < 0.4 \
            else model.random_name()
        if not model.free(name):
            return None
        model.write(name, empty=rng.random() < 0.25)
        return f"create {invariants.show(name)}"
    if edit == "remove" and model.files:
        f = rng.choice(list(model.files.values()))
        if f.fid not in where:
            return None
        os.unlink(model.path(where[f.fid]))
        del model.files[f.fid]
        return f"remove {invariants.show(where[f.fid])}"
    if edit == "rename" and top:
        f = rng.choice(top)
        name = model.random_name()
        if not model.free(name) or f.home in (s[-1] for s in model.specials.values()):
            return None
        os.rename(model.path(where[f.fid]), model.path(name))
        f.home = name
        return f"rename {invariants.show(where[f.fid])} to {invariants.show(name)}"
    if edit == "replace" and placed:
        # Another file now where a run put one: undo must leave it (another size, so
        # that even a size-and-time check tells them apart).
        # Saved as editors save, over the old one: a new file with a new inode number (an
        # unlink and create could get the old number back, which no check can tell).
        f = rng.choice(placed)
        rel = where[f.fid]
        size = os.path.getsize(model.path(rel))
        new = model.write(os.path.join(os.path.dirname(rel), b".saving"), size=size + 13)
        if not model.caps.get("longreplace", True) and len(os.path.basename(rel)) > 200:
            os.unlink(model.path(rel))  # the file system's own fault, not the engine's
        os.rename(model.path(new.home), model.path(rel))
        new.home = rel
        del model.files[f.fid]
        return f"replace {invariants.show(rel)}"
    if edit == "move-away" and model.caps.get("symlink"):
        folders = sorted({where[f.fid].split(b"/")[0] for f in placed})
        if not folders:
            return None
        return move_away(model, rng.choice(folders), away)
    return None


def move_away(model, category, away):
    """Another program moves a category folder out of the folder and puts a link to it
    in its place: what it held is the user's business from now on."""
    if os.path.islink(model.path(category)):
        return None  # moved away before: what the link leads to is not the folder's
    target = os.path.join(away, category + b"-%d" % model.rng.randrange(10**6))
    os.rename(model.path(category), target)
    os.symlink(target, model.path(category))
    model.specials[category] = ("link", target)
    forget_moved_away(model, category, target)
    return f"move {invariants.show(category)} out, a link in its place"


def forget_moved_away(model, category, target):
    """What the folder moved away holds, the run's files in it too, left with it. Empty
    files are known by name alone: each one there accounts for one tracked file, once."""
    gone = invariants.snapshot(target)
    keys = {e.key for e in gone.values() if e.kind == "file"}
    # A file a killed move left under two names (its old one, and one in the folder
    # moved away) is still in the folder under the old one.
    keys -= {e.key for e in invariants.snapshot(model.folder).values() if e.kind == "file"}
    seen = model.__dict__.setdefault("away_seen", set())
    names = [rel for rel, e in gone.items()
             if e.kind == "file" and not e.key and (target, rel) not in seen]
    seen.update((target, rel) for rel in names)
    for f in list(model.files.values()):
        if f.home.startswith(category + b"/"):
            if f.key is None and f.home[len(category) + 1:] in names:
                names.remove(f.home[len(category) + 1:])
            del model.files[f.fid]
        elif f.key and f.key in keys:
            del model.files[f.fid]
        elif f.key is None and any(invariants.same_name(n, f.home) for n in names):
            names.remove(next(n for n in names if invariants.same_name(n, f.home)))
            del model.files[f.fid]
    model.made_dirs = {d for d in model.made_dirs if d.split(b"/")[0] != category}


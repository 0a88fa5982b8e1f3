"""What must hold after every step: each file the folder had is there exactly once with
its content, sorted or at its own name; nothing outside the folder changed; after a full
undo the folder is as it was, less what the user changed; counts tell the truth."""

import hashlib
import os
import re

import trees
from trees import CATEGORY_NAMES

ENGINE_PREFIX = b".tidyra-"  # asides (.tidyra-moving-N) and probes (.tidyra-probe*)
UNREADABLE = b"<unreadable>"
NUMBER = re.compile(rb" \(\d+\)")


class Entry:
    __slots__ = ("kind", "key", "ino", "target")

    def __init__(self, kind, key=None, ino=None, target=None):
        self.kind, self.key, self.ino, self.target = kind, key, ino, target

    def same(self, other):
        return (self.kind, self.key, self.target) == (other.kind, other.key, other.target)


def snapshot(root):
    """Every entry below `root` (links not followed), by relative path; taken again when
    a running watch moved something while it was being taken."""
    for _ in range(20):
        try:
            return _snapshot(root)
        except FileNotFoundError:
            pass
    return _snapshot(root)


def _snapshot(root):
    entries = {}
    root = os.fsencode(root)

    def walk(rel):
        for name in os.listdir(os.path.join(root, rel) if rel else root):
            sub = rel + b"/" + name if rel else name
            full = os.path.join(root, sub)
            info = os.lstat(full)
            if os.path.islink(full):
                try:
                    target = os.readlink(full)
                except PermissionError:  # sshfs answers so for some links it made itself
                    target = UNREADABLE
                entries[sub] = Entry("link", target=target)
            elif os.path.isdir(full):
                entries[sub] = Entry("dir")
                walk(sub)
            elif os.path.isfile(full):
                with open(full, "rb") as handle:
                    content = handle.read()
                key = hashlib.sha1(content).hexdigest() if content else None
                stamp = int(info.st_mtime)
                if not content and trees.EMPTY_EPOCH <= stamp < trees.EMPTY_EPOCH + 10**8:
                    key = trees.empty_key(stamp)
                entries[sub] = Entry("file", key, (info.st_dev, info.st_ino))
            else:
                entries[sub] = Entry("other")

    if os.path.isdir(root):
        walk(b"")
    return entries


# The folders runs sort into: the built-in ones, and those of the scenario's rules file.
sorted_folders = set(CATEGORY_NAMES)


def is_sorted_place(rel):
    parts = rel.split(b"/")
    return 2 <= len(parts) <= 3 and parts[0] in sorted_folders


def follows_rules(out, before, rules):
    """Each file a step sorted went to the folder the rules name for it, and none the
    rules leave alone moved."""
    problems = []
    for fid, path in out.items():
        name = before[fid]
        if rules.leaves_alone(name):
            problems.append(f"LEFT ALONE by the rules, yet moved: {show(name)} to {show(path)}")
        expected = rules.folder_for(name)
        if expected is not None and path.split(b"/")[0] != expected:
            problems.append(f"MISSORTED: {show(name)} at {show(path)}, the rules say "
                            f"{show(expected)}")
    return problems


def is_engine_name(rel):
    return os.path.basename(rel).startswith(ENGINE_PREFIX)


def same_name(a, b):
    """Whether `a` is `b` or a numbered form of it ("photo (2).jpg" of "photo.jpg")."""
    a, b = os.path.basename(a), os.path.basename(b)
    if len(b) > 200:  # too long to number as is: the engine may shorten it
        return a[:100] == b[:100]
    return NUMBER.sub(b"", a) == NUMBER.sub(b"", b)


def locate(snap, model, lenient):
    """Where each tracked file is now (fid -> path) and what is wrong. `lenient` after a
    kill: asides, reservations and second names of one file may wait for the undo."""
    where, problems = {}, []
    by_key, empties = {}, []
    for rel, entry in snap.items():
        if entry.kind != "file":
            continue
        if entry.key is None:
            empties.append(rel)
        else:
            by_key.setdefault(entry.key, []).append(rel)
        if not lenient and is_engine_name(rel):
            problems.append(f"engine file left: {show(rel)}")
    known = set()
    for f in model.files.values():
        if f.key is None:
            continue
        known.add(f.key)
        paths = by_key.get(f.key, [])
        inodes = {snap[p].ino for p in paths}
        if not paths:
            problems.append(f"LOST: {show(f.home)} is nowhere in the folder")
            continue
        if len(inodes) > 1:
            problems.append(f"DUPLICATED: {show(f.home)} at {', '.join(map(show, paths))}")
        if len(paths) > 1 and not lenient:
            problems.append(f"two names for {show(f.home)}: {', '.join(map(show, paths))}")
        path = f.home if f.home in paths else sorted(paths, key=is_engine_name)[0]
        where[f.fid] = path
        if not allowed(path, f, lenient):
            problems.append(f"MISPLACED: {show(f.home)} is at {show(path)}")
    for key, paths in by_key.items():
        if key not in known:
            problems.append(f"UNKNOWN content at {', '.join(map(show, paths))} (overwritten?)")
    # Empty files: first those at their own name, then any at a sorted name like theirs.
    free = set(empties)
    waiting = []
    for f in model.files.values():
        if f.key is None:
            if f.home in free:
                where[f.fid] = f.home
                free.discard(f.home)
            else:
                waiting.append(f)
    # Empty files are known by name alone: a sorted one under its own name first, then
    # under a numbered form of it, so that "a (3).png" is never taken for "a (1).png".
    for exact in (True, False):
        for f in list(waiting):
            match = sorted(p for p in free if is_sorted_place(p) and (
                os.path.basename(p) == os.path.basename(f.home) if exact
                else same_name(p, f.home)))
            if match:
                where[f.fid] = match[0]
                free.discard(match[0])
                waiting.remove(f)
    for f in waiting:
        problems.append(f"LOST: empty {show(f.home)} is nowhere in the folder")
    if not lenient:
        problems += [f"empty file nobody made: {show(p)} (a reservation?)" for p in sorted(free)]
    return where, problems


def allowed(path, f, lenient):
    if path == f.home:
        return True
    if lenient and is_engine_name(path):
        return True
    return b"/" not in f.home and is_sorted_place(path) and same_name(path, f.home)


def specials_intact(snap, model):
    problems = []
    for rel, special in model.specials.items():
        entry = snap.get(rel)
        if entry is None or entry.kind != {"link": "link", "fifo": "other"}[special[0]] or (
                special[0] == "link" and entry.target not in (special[1], UNREADABLE)):
            problems.append(f"{special[0]} {show(rel)} changed or gone")
    return problems


def unchanged(before, after, what):
    problems = []
    for rel in sorted(set(before) | set(after)):
        if rel not in after:
            problems.append(f"{what}: {show(rel)} disappeared")
        elif rel not in before:
            problems.append(f"{what}: {show(rel)} appeared")
        elif not before[rel].same(after[rel]):
            problems.append(f"{what}: {show(rel)} changed")
    return problems


def fully_undone(snap, model, where):
    """After undoing every run: each file at home unless the user blocked its way back
    (took its name), no folder the engine made, nothing of the engine's left."""
    problems = []
    fold = (lambda name: name.lower()) if model.caps.get("casefold") else (lambda name: name)
    # A name is taken by any file at it, on a file system that folds case by any file
    # whose name differs in case alone: undo leaves the run's file where it is then.
    occupied = {fold(f.home) for f in model.files.values() if where.get(f.fid) == f.home}
    for f in model.files.values():
        path = where.get(f.fid)
        if path is not None and path != f.home and fold(f.home) not in occupied:
            problems.append(f"NOT BACK after undoing all: {show(f.home)} is at {show(path)}")
    needed = set(model.made_dirs) | {os.path.dirname(p) for p in where.values()}
    needed |= {os.path.dirname(d) for d in needed}
    for rel, entry in snap.items():
        if entry.kind == "dir" and rel not in needed and rel.split(b"/")[0] not in model.specials:
            problems.append(f"folder left after undoing all: {show(rel)}")
        if is_engine_name(rel):
            problems.append(f"engine file left after undoing all: {show(rel)}")
    for rel in model.made_dirs:
        if rel not in snap:
            problems.append(f"the user's folder {show(rel)} is gone")
    return problems


def moves(before, after):
    """fids that left the top of the folder for a sorted place, and that came back."""
    out, back = {}, {}
    for fid, path in after.items():
        old = before.get(fid)
        if old is None or old == path:
            continue
        if b"/" not in old and is_sorted_place(path):
            out[fid] = path
        elif is_sorted_place(old) and b"/" not in path:
            back[fid] = path
    return out, back


def show(rel):
    text = rel.decode("utf-8", "backslashreplace")
    return repr(text[:60] + "…" if len(text) > 60 else text)

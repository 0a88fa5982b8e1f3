"""One torture scenario: a random tree on one mount, the steps played on it, and the
invariants checked after each (see torture.py)."""

import json
import os
import random
import re
import shutil
import time

import invariants as inv
import rules
import steps
import trees


class Failure(Exception):
    pass


class Scenario:
    def __init__(self, seed, mount, caps, cli_binary, work, stats, tolerate=()):
        self.seed, self.mount, self.stats = seed, mount, stats
        self.rng = random.Random(seed)
        base = os.path.join(os.fsencode(mount.point), b"s%d" % seed)
        self.base, self.folder = base, os.path.join(base, b"folder")
        self.outside, self.away = os.path.join(base, b"outside"), os.path.join(base, b"away")
        home = os.path.join(work, f"home-{mount.name}-{seed}")
        shutil.rmtree(home, ignore_errors=True)
        self.cli = steps.Cli(cli_binary, home)
        # A generator of its own, so that a seed makes the same tree with or without rules.
        self.rules = rules.random_rules(random.Random(f"rules-{seed}"),
                                        self.cli.env["XDG_CONFIG_HOME"])
        inv.sorted_folders = set(trees.CATEGORY_NAMES) | (
            self.rules.sorted_folders() if self.rules else set())
        os.makedirs(self.folder)
        os.makedirs(self.away)
        self.model = trees.Model(self.rng, self.folder, caps)
        trees.build(self.model, self.outside)
        self.log, self.lenient = [], False
        if self.rules:
            self.log.append("rules file: " + self.rules.text.strip().replace("\n", " | "))
        self.runs, self.known_ids = {}, set()
        self.where, problems = inv.locate(inv.snapshot(self.folder), self.model, False)
        self.outside_snap = self.snap_outside()
        self.hist, self.tolerate, self.warned = [], tolerate, set()
        self.unrecorded = False
        if problems:
            raise Failure("the harness's own tree is inconsistent: " + "; ".join(problems))

    def snap_outside(self):
        snap = {}
        for prefix, root in ((b"outside/", self.outside), (b"away/", self.away)):
            snap.update({prefix + rel: e for rel, e in inv.snapshot(root).items()})
        return snap

    # --- one step: run it, then check everything ---

    def step(self, name, args, interruption=("none",)):
        kind = interruption[0]
        self.log.append(f"{name} ({steps.describe(interruption)})")
        before, hist_before = dict(self.where), self.hist
        result = self.cli.run(args, interruption)
        if result.killed or kind != "none":
            self.lenient = True
        self.check(kind, before, hist_before, result, name)
        return result

    def check(self, kind, before, hist_before, result, name, extra=(), moved_meanwhile=()):
        # A run cut short may have moved a file it had no time to mark.
        self.cut = result is None or result.killed or kind != "none"
        snap = inv.snapshot(self.folder)
        where, problems = inv.locate(snap, self.model, self.lenient)
        problems += list(extra)
        problems += inv.specials_intact(snap, self.model)
        problems += inv.unchanged(self.outside_snap, self.snap_outside(), "outside the folder")
        out, back = inv.moves(before, where)
        if self.rules:
            problems += inv.follows_rules(out, before, self.rules)
        problems += self.check_counts(name, result, out, back)
        problems += self.check_history(name, hist_before, out, back, where, moved_meanwhile)
        self.where = where
        problems = self.tolerated(problems)
        self.stats.count(self.mount.name, kind, len(self.model.files), bool(problems))
        if problems:
            raise Failure("\n".join(problems[:8] + [f"... and {len(problems) - 8} more"]
                                    if len(problems) > 10 else problems))
        return snap

    def check_counts(self, name, result, out, back):
        if result is None or result.killed:
            return []
        problems = []
        if name.startswith("organize") or name.startswith("watch"):
            if back:
                problems.append(f"{name} moved {len(back)} files back to the top")
            said = sum(map(int, re.findall(r"Organized (\d+) files?", result.out))) \
                if name.startswith("watch") else result.count(r"(\d+) files? organized")
            if said is None and "Nothing to organize" in result.out:
                said = 0
            if said is not None and said != len(out):
                problems.append(f"{name} said {said} files organized; {len(out)} moved on disk")
        elif name.startswith("undo"):
            if out:
                problems.append(f"{name} sorted {len(out)} files")
            said = result.count(r"(\d+) files? restored")
            if said is None and "Nothing to undo" in result.out:
                said = 0
            if said is not None and said != len(back):
                problems.append(f"{name} said {said} files restored; {len(back)} came back on disk")
        return problems

    def check_history(self, name, hist_before, out, back, where, moved_meanwhile=()):
        """Each run's moved and undoable against the disk: moved is what it moved, undoable
        how many of those are still where it put them."""
        hist = self.cli.history(self.folder)
        problems = []
        new = [run for run in hist if run["id"] not in self.known_ids]
        if name.startswith("undo") and back:
            # `undo --run` names its run; a plain undo takes the newest, or, if that has
            # nothing left, maybe the newest that has: either will do, but only one.
            wanted = [name.split("--run ")[1]] if "--run" in name else [
                run["id"] for run in hist_before[:1] + [
                    r for r in hist_before if not r["undone"] and r["undoable"]][:1]]
            runs = [self.runs[w] for w in wanted if w in self.runs]
            if runs and None not in runs and all(set(back) - set(r["dests"]) for r in runs):
                stolen = sorted(set(back) - set(runs[0]["dests"]))
                owners = sorted({rid for rid, r in self.runs.items() if r is not None
                                 for fid in stolen if fid in r["dests"]})
                problems.append(f"{name} (of run {wanted[0]}) took back {len(stolen)} files "
                                f"that run never moved, e.g. {inv.show(self.where[stolen[0]])}"
                                f"; moved by runs {owners or 'unknown'}")
        for run in self.runs.values():  # a file that moved is no longer where any run put it
            if run is not None:
                for fid in list(out) + list(back) + list(moved_meanwhile):
                    run["dests"].pop(fid, None)
        if self.unrecorded:
            self.runs.update({run["id"]: None for run in new})
            self.unrecorded = False
        elif len(new) == 1:
            self.runs[new[0]["id"]] = {"dests": dict(out), "moved": len(out), "cut": self.cut,
                                       "gone": 0}
        elif not new and out and name != "watch":
            problems.append(f"{name}: {len(out)} files moved, but no run was recorded")
        elif new:
            if sum(run["moved"] for run in new) != len(out):
                problems.append(f"{name}: its {len(new)} new runs say "
                                f"{sum(run['moved'] for run in new)} moved; {len(out)} on disk")
            self.runs.update({run["id"]: None for run in new})
        self.known_ids |= {run["id"] for run in hist}
        for run in hist:
            model = self.runs.get(run["id"])
            if model is None:
                continue
            model["dests"] = {f: p for f, p in model["dests"].items() if where.get(f) == p}
            # A file a cut run moved but did not mark, then removed by the user before the
            # run was settled, cannot be told from one it never moved: it may go uncounted.
            if not model["moved"] - model["gone"] <= run["moved"] <= model["moved"]:
                problems.append(f"history: run {run['id']} says moved={run['moved']}; "
                                f"{model['moved']} did on disk")
            if not run["undone"] and run["undoable"] != len(model["dests"]):
                problems.append(f"history: run {run['id']} says undoable={run['undoable']}; "
                                f"{len(model['dests'])} are where it put them")
            if run["undone"] and model["dests"]:
                problems.append(f"history: run {run['id']} says undone=true; "
                                f"{len(model['dests'])} files are still where it put them")
        self.hist = hist
        return problems

    def tolerated(self, problems):
        kept = []
        for problem in problems:
            words = [word for word in self.tolerate if word in problem]
            if not words:
                kept.append(problem)
            elif words[0] not in self.warned:  # once a scenario for each tolerated kind
                print(f"known, tolerated (seed {self.seed} on {self.mount.name}): {problem}")
                self.warned.add(words[0])
        return kept

    # --- the kinds of step ---

    def preview(self, as_json=None):
        as_json = self.rng.random() < 0.7 if as_json is None else as_json
        before = inv.snapshot(self.folder)
        result = self.step("preview" + (" --json" if as_json else ""),
                           ["preview", "--json", self.folder] if as_json else
                           ["preview", self.folder])
        problems = inv.unchanged(before, inv.snapshot(self.folder), "preview changed the folder")
        if result.code != 0:
            problems.append(f"preview failed ({result.code}): {result.err.strip()}")
        elif as_json:
            inside = os.fsdecode(self.folder) + "/"
            targets = [json.dumps(op["destination"]).replace(inside, "")
                       for op in json.loads(result.out)["operations"]]
            twice = {t for t in targets if targets.count(t) > 1}
            if twice:
                problems.append(f"preview sends two files to {', '.join(sorted(twice))}")
        problems = self.tolerated(problems)
        if problems:
            raise Failure("\n".join(problems))

    def organize_while_moving(self):
        """Another program moves a category folder away, a link in its place, while a run
        is paused at its n-th move: the run stops moving into it at its next batch, and
        nothing else leaves the folder."""
        plan = json.loads(self.cli.run(["preview", "--json", self.folder]).out)["operations"]
        if not self.model.caps.get("symlink") or not steps.HAVE_STRACE or len(plan) < 3 or (
                not isinstance(plan[0]["category"], str)):
            return self.organize()
        category, nth = plan[0]["category"].encode(), self.rng.randrange(2, min(len(plan), 12))
        if os.path.islink(self.model.path(category)):
            return self.organize()
        self.log.append(f"organize, {inv.show(category)} moved away at move {nth}")
        before, hist_before = dict(self.where), self.hist
        calls = "renameat2,renameat,linkat"
        process = self.cli.start(["organize", self.folder], ("pause", calls, nth))
        time.sleep(0.5)  # well inside the second the run waits at that call
        if not os.path.isdir(os.path.join(self.folder, category)):  # no move made it yet
            self.check("none", before, hist_before, steps.Cli.finish(process), "organize")
            return
        steps.move_away(self.model, category, self.away)
        steps.Cli.finish(process)
        # The run looks for moved folders once per batch of moves: the rest of the
        # batch under way follows the folder, which is the user's now.
        steps.forget_moved_away(self.model, category, self.model.specials[category][1])
        self.outside_snap = self.snap_outside()
        self.lenient, self.unrecorded = True, True  # what it moved out is counted by no one
        self.check("moved away", before, hist_before, None, "organize")

    def edit_meanwhile(self):
        """The user edits the folder while an organize or an undo is paused at its n-th
        move: whatever the run meets then, every file stays once, with its content, and
        nothing outside changes."""
        if not steps.HAVE_STRACE:
            return self.edit()
        name = self.rng.choice(["organize", "undo"])
        nth = self.rng.randrange(1, 8)
        calls = "renameat2,renameat,linkat"
        before, hist_before = dict(self.where), self.hist
        process = self.cli.start([name, self.folder], ("pause", calls, nth))
        time.sleep(0.5)  # well inside the second the run waits at that call
        self.where = inv.locate(inv.snapshot(self.folder), self.model, True)[0]
        links, tracked = set(self.model.specials), dict(self.model.files)
        # A file saved over the one an undo is about to rename back, in the instant
        # between its check and its rename, goes back in its place: a known window
        # (nothing is lost or overwritten), so an undo does not meet that edit here.
        done = steps.user_edit(self.model, self.where, self.away, replacing=name != "undo")
        self.log.append(f"{name}, the user meanwhile: {done or 'nothing'} (at move {nth})")
        result = steps.Cli.finish(process)
        for category in set(self.model.specials) - links:  # moved away just now: the
            # rest of the batch under way followed it; an undo may have taken files of
            # its run back out of it before it looked again
            steps.forget_moved_away(self.model, category, self.model.specials[category][1])
            present = {e.key for e in inv.snapshot(self.folder).values() if e.kind == "file"}
            self.model.files.update({fid: f for fid, f in tracked.items()
                                     if fid not in self.model.files and f.key in present})
        self.outside_snap = self.snap_outside()
        # What the run did and what the user did cannot be told apart by counts.
        self.lenient, self.unrecorded = True, True
        self.check("edit meanwhile" if done else "none", before, hist_before,
                   None if done else result, name)

    def organize(self):
        self.step("organize", ["organize", self.folder], steps.pick_interruption(self.rng))

    def undo(self):
        self.step("undo", ["undo", self.folder], steps.pick_interruption(self.rng))

    def undo_run(self):
        if not self.hist:
            return self.undo()
        run = self.rng.choice(self.hist)["id"]
        self.step(f"undo --run {run}", ["undo", "--run", run, self.folder],
                  steps.pick_interruption(self.rng))

    def watch(self, with_undo=False):
        """A watch for a moment; with `with_undo`, an undo while it watches: what the undo
        put back must stay."""
        self.log.append("watch --settle 1" + (", undo meanwhile" if with_undo else ""))
        before, hist_before = dict(self.where), self.hist

        def undo_meanwhile():
            snap = inv.snapshot(self.folder)
            was = inv.locate(snap, self.model, True)[0]
            self.cli.run(["undo", self.folder])
            now = inv.locate(inv.snapshot(self.folder), self.model, True)[0]
            time.sleep(2.5)
            return inv.moves(was, now)[1]

        result, back = self.cli.watch(self.folder, self.rng.choice([1.5, 2.5]),
                                      undo_meanwhile if with_undo else None)
        if with_undo:  # runs and an undo mixed: only their sum can be told apart
            for run in self.cli.history(self.folder):
                if run["id"] not in self.known_ids:
                    self.runs[run["id"]] = None
                    self.known_ids.add(run["id"])
        snap_where = inv.locate(inv.snapshot(self.folder), self.model, True)[0]
        extra = [f"the watch tidied again {inv.show(p)}, which an undo had put back"
                 for fid, p in (back or {}).items() if snap_where.get(fid) != p]
        self.check("watch", before, hist_before, None if with_undo else result,
                   "watch", extra, back or ())

    def edit(self):
        done = steps.user_edit(self.model, self.where, self.away)
        if done:
            self.log.append("user: " + done)
            where = inv.locate(inv.snapshot(self.folder), self.model, True)[0]
            for run in self.runs.values():
                if run is not None and run["cut"]:
                    run["gone"] += sum(1 for fid, path in run["dests"].items()
                                       if self.where.get(fid) == path and fid not in where)
            self.where = where
            self.outside_snap = self.snap_outside()

    def remount(self):
        self.log.append("unmount and mount again")
        self.mount.remount()
        self.check("none", dict(self.where), self.hist, None, "remount")

    def undo_all(self):
        """Undo until nothing is left: `undo` until it says so or stops making progress,
        then `undo --run` of every run not undone yet."""
        self.lenient = True
        last = None
        for _ in range(30):
            result = self.step("undo", ["undo", self.folder])
            if "Nothing to undo" in result.out or (result.code != 0 and result.out == last):
                break
            last = result.out
        for run in list(self.hist):
            if not run["undone"]:  # even with nothing undoable: it may have made folders
                self.step(f"undo --run {run['id']}", ["undo", "--run", run["id"], self.folder])
        self.lenient = False
        snap = self.check("none", dict(self.where), self.hist, None, "after undoing all")
        problems = self.tolerated(inv.fully_undone(snap, self.model, self.where))
        if problems:
            raise Failure("\n".join(problems))

    def play(self, count):
        actions = [(self.preview, 2), (self.organize, 5), (self.organize_while_moving, 1), (self.edit_meanwhile, 1), (self.undo, 3), (self.undo_run, 2),
                   (lambda: self.watch(self.rng.random() < 0.5), 1), (self.edit, 4)]
        if self.mount.can_remount:
            actions.append((self.remount, 1))
        self.preview(as_json=True)  # the first plan of each random folder, always checked
        for _ in range(count):
            action = self.rng.choices([a for a, _ in actions], [w for _, w in actions])[0]
            action()
        self.undo_all()

"""A random sorting-rules file for a scenario, and where it says each file goes: own
categories, extensions moved between categories, folders renamed, sub-folders off, and
names left alone. Patterns and extensions are ASCII, so that the harness's lower-casing
(bytes.lower) agrees with the engine's."""

import fnmatch
import os

from trees import CATEGORIES, STEMS

FOLDER_NAMES = ["Bilder", "Sorted Things", "Zeug", "Dokumente", "Mixed Case"]


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


class Rules:
    def __init__(self, rng):
        self.folders = {name: name for name in CATEGORIES}  # category -> folder
        self.added = {}  # extension -> category
        self.patterns = []
        subfolders = {}
        builtin = [c for c in CATEGORIES if c != "Others"]
        for category, folder in zip(rng.sample(builtin, rng.randrange(0, 3)), FOLDER_NAMES):
            self.folders[category] = folder
        for k in range(rng.randrange(0, 3)):
            self.folders[f"Own {k}"] = f"Own {k}"
        categories = list(self.folders)
        for _ in range(rng.randrange(1, 5)):  # an extension to another category
            source = rng.choice(builtin + ["Others"])
            ext = rng.choice(CATEGORIES[source])
            if ext and ext not in self.added:
                self.added[ext] = rng.choice(categories)
        for category in rng.sample(categories, rng.randrange(0, 3)):
            subfolders[category] = rng.random() < 0.5
        for _ in range(rng.randrange(0, 3)):
            if rng.random() < 0.5:
                ext = rng.choice(CATEGORIES[rng.choice(builtin)])
                self.patterns.append("*." + ext.upper())
            else:
                stem = rng.choice([s for s in STEMS if s.isascii()])
                self.patterns.append(stem[:rng.randrange(1, len(stem) + 1)].lower() + "*")
        lines = []
        for category in categories:
            adds = [ext for ext, to in self.added.items() if to == category]
            folder = self.folders[category]
            if not adds and folder == category and category not in subfolders \
                    and not category.startswith("Own"):
                continue
            lines.append(f"[category.{quoted(category)}]")
            if adds:
                lines.append("add = [" + ", ".join(quoted(e) for e in adds) + "]")
            if folder != category:
                lines.append(f"folder = {quoted(folder)}")
            if category in subfolders:
                lines.append(f"subfolders = {'true' if subfolders[category] else 'false'}")
        if self.patterns:
            lines.append("[leave-alone]")
            lines.append("names = [" + ", ".join(quoted(p) for p in self.patterns) + "]")
        self.text = "\n".join(lines) + "\n"

    def sorted_folders(self):
        return {folder.encode() for folder in self.folders.values()}

    def leaves_alone(self, name):
        lowered = os.path.basename(name).lower()
        return any(fnmatch.fnmatchcase(lowered, p.lower().encode()) for p in self.patterns)

    def folder_for(self, name):
        """The folder the rules send a file of this name to; None for an extension the
        harness does not know the built-in category of."""
        base = os.path.basename(name)
        dot = base.rfind(b".")
        ext = "" if dot < 0 else base[dot + 1:].lower().decode("utf-8", "replace")
        category = self.added.get(ext)
        if category is None:
            known = [c for c, exts in CATEGORIES.items() if ext in exts]
            if not known:
                return None
            category = known[-1]
        return self.folders[category].encode()


def random_rules(rng, config_home):
    """A rules file in a third of the scenarios, written where tidyra-cli reads it."""
    if rng.random() >= 0.35:
        return None
    rules = Rules(rng)
    os.makedirs(os.path.join(config_home, "tidyra"), exist_ok=True)
    with open(os.path.join(config_home, "tidyra", "rules.toml"), "w") as out:
        out.write(rules.text)
    return rules

"""Random folders from adversarial parts, and the model of what is in them.

Every regular file the harness writes gets a content no other file has, so that a file
is known by its content wherever it ends up; empty files, all alike, are known by name
(see invariants.locate). Names are bytes throughout: some are not valid UTF-8."""

import hashlib
import os

# One or more extensions of each category (model/FileCategory.cpp); "others" has none.
CATEGORIES = {
    "Videos": ["mp4", "mov", "mkv", "webm", "m2ts"],
    "Images": ["jpg", "jpeg", "png", "gif", "heic", "svg"],
    "Documents": ["pdf", "docx", "txt", "md", "csv", "epub"],
    "Audio": ["mp3", "flac", "ogg", "opus", "mid"],
    "Code": ["py", "cpp", "ts", "json", "yml", "gitignore"],
    "Archives": ["zip", "tar", "gz", "7z", "iso"],
    "Installers": ["deb", "rpm", "appimage", "exe"],
    "Design": ["psd", "ai", "sketch"],
    "Fonts": ["ttf", "woff2"],
    "3D Models": ["obj", "stl", "blend"],
    "Others": ["dat", "unknownext", ""],
}
CATEGORY_NAMES = {name.encode() for name in CATEGORIES}
STEMS = ["photo", "report", "notes", "IMG_0001", "song", "setup", "a", "Mixed Case", "été"]



EMPTY_EPOCH = 1_000_000_000  # 2001: no file the engine makes is that old


def empty_key(stamp):
    """What an empty file of the harness's is known by: its modification time."""
    return "empty:%d" % stamp

class File:
    """A regular file the harness made or the user made: where it belongs after a full
    undo (`home`, a path relative to the folder) and its content's digest (None: empty)."""

    def __init__(self, fid, home, key):
        self.fid, self.home, self.key = fid, home, key

    def __repr__(self):
        return f"File({self.fid}, {self.home!r}, {'empty' if self.key is None else self.key[:8]})"


class Model:
    def __init__(self, rng, folder, caps):
        self.rng, self.folder, self.caps = rng, folder, caps
        self.files = {}  # fid -> File
        self.specials = {}  # relpath -> ("link", target) | ("fifo",) | ("dir",)
        self.made_dirs = set()  # folders the user made (the engine must not remove them)
        self.next_id = 0

    def path(self, rel):
        return os.path.join(self.folder, rel)

    def write(self, rel, empty=False, size=None):
        """A new file at `rel` with a content of its own; never replaces one."""
        self.next_id += 1
        if empty:
            content = b""
        else:
            size = size or self.rng.choice([1, 7, 40, 300, 5000])
            content = (b"%d:" % self.next_id + self.rng.randbytes(size)).replace(b"\0", b"1")
        fd = os.open(self.path(rel), os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
        with os.fdopen(fd, "wb") as handle:
            handle.write(content)
        key = hashlib.sha1(content).hexdigest() if content else None
        if not content:
            # An empty file is known by a time of its own, long past (even seconds, for
            # FAT): a reservation the engine leaves has the time it was made.
            stamp = EMPTY_EPOCH + 2 * self.next_id
            os.utime(self.path(rel), (stamp, stamp))
            key = empty_key(stamp)
        self.files[self.next_id] = File(self.next_id, rel, key)
        return self.files[self.next_id]

    def free(self, rel):
        return not os.path.lexists(self.path(rel))

    def random_name(self, category=None):
        category = category or self.rng.choice(list(CATEGORIES))
        ext = self.rng.choice(CATEGORIES[category])
        stem = self.rng.choice(STEMS if self.caps.get("unicode") else STEMS[:-1]) + self.rng.choice(["", "", "-%d" % self.rng.randrange(50)])
        if self.rng.random() < 0.2:
            ext = ext.upper()
        return (stem + ("." + ext if ext else "")).encode()

    def numbered(self, name, n):
        stem, dot, ext = name.rpartition(b".")
        if not dot or not stem:
            return name + b" (%d)" % n
        return stem + b" (%d)." % n + ext


def probe_caps(scratch):
    """What the file system under test can hold: links, fifos, names that are not
    UTF-8 or end in a dot, 255-byte names, names beyond ASCII. Each kept as made?"""
    scratch = os.fsencode(scratch)
    os.makedirs(scratch, exist_ok=True)
    names = {"badutf8": b"bad\xff\xfe.txt", "trailingdot": b"end.",
             "longname": b"L" * 251 + b".pdf", "unicode": "é".encode()}
    caps = {}
    for cap, make in (("symlink", lambda p: os.symlink("x", p)), ("fifo", os.mkfifo)):
        try:
            make(os.path.join(scratch, b"probe"))
            caps[cap] = True
            os.unlink(os.path.join(scratch, b"probe"))
        except OSError:
            caps[cap] = False
    for cap, name in names.items():
        try:
            open(os.path.join(scratch, name), "xb").close()
            caps[cap] = os.listdir(scratch) == [name]
        except OSError:
            caps[cap] = False
        for entry in os.listdir(scratch):
            os.unlink(os.path.join(scratch, entry))
    open(os.path.join(scratch, b"Case"), "xb").close()
    caps["casefold"] = os.path.exists(os.path.join(scratch, b"CASE"))  # exFAT, FAT
    os.unlink(os.path.join(scratch, b"Case"))
    # ntfs-3g renaming over a 255-byte name keeps the old file under a cut-down name.
    long = os.path.join(scratch, b"M" * 255)
    try:
        for name in (long, os.path.join(scratch, b"new")):
            open(name, "xb").close()
        os.rename(os.path.join(scratch, b"new"), long)
        caps["longreplace"] = os.listdir(scratch) == [b"M" * 255]
    except OSError:
        caps["longreplace"] = True  # no such names here to replace
    for entry in os.listdir(scratch):
        os.unlink(os.path.join(scratch, entry))
    return caps


def build(model, outside):
    """Fills model.folder with a random mix of the adversarial parts, and `outside`
    (a sibling folder) with the targets of the links that lead out."""
    rng = model.rng
    os.makedirs(outside)
    parts = [_category_files, _numbered_family, _clashing_category, _hidden, _downloads,
             _subfolder, _odd_names, _links, _fifo, _empty_files, _numbered_family,
             _taken_and_numbered]
    for part in parts:
        if rng.random() < (0.25 if part is _taken_and_numbered else 0.7):
            part(model, outside)
    if not any(f.home.count(b"/") == 0 for f in model.files.values()):
        _category_files(model, outside)


def _category_files(model, _outside):
    for _ in range(model.rng.randrange(5, 60)):
        name = model.random_name()
        if model.free(name):
            model.write(name, empty=model.rng.random() < 0.1)


def _numbered_family(model, _outside):
    """photo.jpg, photo (1).jpg, photo (2).jpg, one of them empty now and then."""
    base = model.random_name()
    for n in range(model.rng.randrange(2, 5)):
        name = base if n == 0 else model.numbered(base, n)
        if model.free(name):
            model.write(name, empty=model.rng.random() < 0.3)


def _clashing_category(model, _outside):
    """A category folder the user already has, holding names the plan will want."""
    for category in model.rng.sample(sorted(CATEGORIES), model.rng.randrange(1, 4)):
        folder = category.encode()
        os.makedirs(model.path(folder), exist_ok=True)
        model.made_dirs.add(folder)
        for _ in range(model.rng.randrange(1, 4)):
            name = model.random_name(category)
            for rel in (folder + b"/" + name, name):
                if model.free(rel):
                    model.write(rel, empty=model.rng.random() < 0.3)
        if model.rng.random() < 0.3:  # a sub-group folder too, as Documents/TXT
            ext = model.rng.choice([e for e in CATEGORIES[category] if e] or ["x"])
            sub = folder + b"/" + ext.upper().encode()
            os.makedirs(model.path(sub), exist_ok=True)
            model.made_dirs.add(sub)
            name = b"notes." + ext.encode()
            for rel in (sub + b"/" + name, name):
                if model.free(rel):
                    model.write(rel, empty=model.rng.random() < 0.5)


def _taken_and_numbered(model, _outside):
    """The user's Images/photo.jpg (and Images/JPG/photo.jpg, whichever the plan uses)
    beside photo.jpg and an empty photo (1).jpg: both want the first free number."""
    category = model.rng.choice([c for c in CATEGORIES if c != "Others"])
    ext = model.rng.choice([e for e in CATEGORIES[category] if e])
    base = model.rng.choice(STEMS[:4]).encode() + b"." + ext.encode()
    for folder in (category.encode(), category.encode() + b"/" + ext.upper().encode()):
        os.makedirs(model.path(folder), exist_ok=True)
        model.made_dirs.add(folder)
        if model.free(folder + b"/" + base):
            model.write(folder + b"/" + base)
    for name, empty in ((base, False), (model.numbered(base, 1), True)):
        if model.free(name):
            model.write(name, empty=empty)


def _hidden(model, _outside):
    for name in (b".hidden.jpg", b".config", b".x.pdf"):
        if model.rng.random() < 0.5 and model.free(name):
            model.write(name)


def _downloads(model, _outside):
    """Downloads in progress and their owners: never moved."""
    for name in (b"movie.mp4.part", b"video.mkv.crdownload", b"big.iso.part", b"doc.pdf.partial"):
        if model.rng.random() < 0.6 and model.free(name):
            model.write(name, empty=model.rng.random() < 0.3)
    if os.path.exists(model.path(b"big.iso.part")) and model.free(b"big.iso"):
        model.write(b"big.iso", empty=True)  # the browser's placeholder


def _subfolder(model, _outside):
    os.makedirs(model.path(b"Sub/deeper"))
    model.made_dirs.update({b"Sub", b"Sub/deeper"})
    for rel in (b"Sub/inner.jpg", b"Sub/deeper/x.pdf"):
        model.write(rel)


def _odd_names(model, _outside):
    caps, names = model.caps, [b"noextension", b"UPPER.JPG", b"two.dots.tar.gz", b" space .txt"]
    if caps.get("badutf8"):
        names += [b"bad\xff\xfename.txt", b"\xc3(.jpg"]
    if caps.get("trailingdot"):
        names += [b"trailing.", b"report.pdf."]
    if caps.get("longname"):
        names += [b"L" * 251 + b".pdf", b"M" * 255]
        names += ["é".encode() * 125 + b".jpg"] if caps.get("unicode") else []
    for name in names:
        if model.rng.random() < 0.6 and model.free(name):
            model.write(name, empty=model.rng.random() < 0.15)


def _links(model, outside):
    """Links out of the folder (to a file and to a folder) and within it: never moved,
    never followed."""
    if not model.caps.get("symlink"):
        return
    target_file = os.path.join(outside, b"target.jpg")
    with open(target_file, "wb") as handle:
        handle.write(b"outside file")
    os.makedirs(os.path.join(outside, b"dir"), exist_ok=True)
    with open(os.path.join(outside, b"dir", b"photo.jpg"), "wb") as handle:
        handle.write(b"outside folder file")
    for name, target in ((b"link-out.jpg", b"../outside/target.jpg"),
                         (b"linkdir", b"../outside/dir"), (b"dangling.pdf", b"nowhere.pdf")):
        os.symlink(target, model.path(name))
        model.specials[name] = ("link", target)
    inside = [f.home for f in model.files.values() if b"/" not in f.home]
    if inside:
        os.symlink(inside[0], model.path(b"link-in.txt"))
        model.specials[b"link-in.txt"] = ("link", inside[0])


def _fifo(model, _outside):
    if model.caps.get("fifo"):
        os.mkfifo(model.path(b"pipe.mp3"))
        model.specials[b"pipe.mp3"] = ("fifo",)


def _empty_files(model, _outside):
    for _ in range(model.rng.randrange(1, 6)):
        name = model.random_name()
        if model.free(name):
            model.write(name, empty=True)

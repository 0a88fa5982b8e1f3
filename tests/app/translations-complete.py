#!/usr/bin/env python3
"""Every catalogue in translations/ is complete: lupdate, run over a copy as
update_translations runs it, finds no text to add or drop and no plural form to add or
cut (it gives each numerus message as many as the catalogue's language has); every
translation is finished and keeps its source's %1..%9, %n and accelerator. tidyra_en.ts
needs only its plural forms.
Usage: translations-complete.py LUPDATE TRANSLATIONS_FOLDER SOURCE..."""

import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%[1-9n]")
ACCELERATOR = re.compile(r"&(?!&)")


def messages(path):
    """The catalogue's language, and each message's numerus flag, state and forms."""
    root = ET.parse(path).getroot()
    found = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            key = (context.findtext("name"), message.findtext("source"),
                   message.findtext("comment"))
            translation = message.find("translation")
            if translation is None:
                translation = ET.Element("translation", type="unfinished")
            numerus = message.get("numerus") == "yes"
            forms = [form.text or "" for form in translation.iter("numerusform")] \
                if numerus else [translation.text or ""]
            found[key] = (numerus, translation.get("type"), forms)
    return root.get("language") or "", found


def problems(catalogue, lupdate, sources, scratch):
    copy = scratch / catalogue.name
    shutil.copyfile(catalogue, copy)
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *sources,
                    "-ts", str(copy)], check=True)
    language, before = messages(catalogue)
    after = messages(copy)[1]
    code = catalogue.stem.removeprefix("tidyra_")
    # The language picks the plural rules, so it must be the one the name promises.
    if language != code and not language.startswith(code + "_"):
        yield f'language "{language}" is not {code}'
    for key in after.keys() - before.keys():
        yield f"lacks {key[1]!r}"
    for key in before.keys() - after.keys():
        yield f"still has {key[1]!r}, which the sources no longer hold"
    for key in before.keys() & after.keys():
        numerus, state, forms = before[key]
        source = key[1]
        if len(forms) != len(after[key][2]):
            yield f"{source!r} has {len(forms)} plural forms, {language} {len(after[key][2])}"
        if language.startswith("en") and not numerus:
            continue
        if state is not None or not all(form.strip() for form in forms):
            yield f"{source!r} is not translated"
            continue
        for form in forms:
            if sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                yield f"{form!r} does not keep the placeholders of {source!r}"
            if len(ACCELERATOR.findall(form)) != len(ACCELERATOR.findall(source)):
                yield f"{form!r} does not keep the accelerator of {source!r}"


def main():
    lupdate, folder, *sources = sys.argv[1:]
    catalogues = sorted(pathlib.Path(folder).glob("tidyra_*.ts"))
    status = 0 if catalogues else 1
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            for problem in problems(catalogue, lupdate, sources, pathlib.Path(scratch)):
                print(f"{catalogue.name}: {problem}")
                status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())

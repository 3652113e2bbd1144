#!/usr/bin/env python3
"""Checks that the desktop entry and the AppStream metadata are English by default and Russian
under a Russian locale: each translatable text has an untranslated English value and a Russian
one marked [ru] or xml:lang="ru", and no other translation stands beside them.

    check_languages.py desktop FILE.desktop
    check_languages.py appstream FILE.metainfo.xml
"""
import re
import sys
import xml.etree.ElementTree as ET

CYRILLIC = re.compile("[\u0400-\u04ff]")
LATIN = re.compile("[A-Za-z]")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def is_english(text):
    return bool(LATIN.search(text)) and not CYRILLIC.search(text)


def is_russian(text):
    return bool(CYRILLIC.search(text))


def desktop_faults(path):
    """The [Desktop Entry] keys a menu shows: Name, Comment, Keywords, and GenericName if there."""
    entries = {}
    group = None
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                entries[key.strip()] = value.strip()

    faults = []
    keys = ["Name", "Comment", "Keywords"] + (["GenericName"] if "GenericName" in entries else [])
    for key in keys:
        english = entries.get(key)
        russian = entries.get(f"{key}[ru]")
        if english is None or not is_english(english):
            faults.append(f"{key} is not English: {english!r}")
        if russian is None or not is_russian(russian):
            faults.append(f"{key}[ru] is not Russian: {russian!r}")
    for key in entries:
        locale = re.fullmatch(r"(\w+)\[([^]]+)\]", key)
        if locale and locale.group(2) != "ru":
            faults.append(f"{key}: only [ru] translates the English default")
        elif locale and locale.group(1) not in keys:
            faults.append(f"{key} has no English default among {keys}")
    return faults


def paired_faults(elements, what):
    """Untranslated English elements, as many xml:lang="ru" Russian ones, and nothing else."""
    faults = []
    english = [e for e in elements if e.get(XML_LANG) is None]
    russian = [e for e in elements if e.get(XML_LANG) == "ru"]
    others = sorted({e.get(XML_LANG) for e in elements} - {None, "ru"})
    if not english or len(english) != len(russian):
        faults.append(f"{what}: {len(english)} English and {len(russian)} Russian")
    if others:
        faults.append(f"{what}: translated to {others} besides Russian")
    for element in english:
        text = " ".join("".join(element.itertext()).split())
        if not is_english(text):
            faults.append(f"{what}: not English: {text!r}")
    for element in russian:
        text = " ".join("".join(element.itertext()).split())
        if not is_russian(text):
            faults.append(f"{what}: xml:lang=\"ru\" but not Russian: {text!r}")
    return faults


def appstream_faults(path):
    """The name, the summary, the description's paragraphs and the screenshots' captions."""
    root = ET.parse(path).getroot()
    faults = paired_faults(root.findall("name"), "name")
    faults += paired_faults(root.findall("summary"), "summary")
    description = root.find("description")
    if description is None:
        faults.append("no description")
    else:
        faults += paired_faults(description.findall("p"), "description paragraphs")
    for index, screenshot in enumerate(root.iter("screenshot")):
        faults += paired_faults(screenshot.findall("caption"), f"caption of screenshot {index}")
    return faults


def main():
    kind, path = sys.argv[1], sys.argv[2]
    faults = {"desktop": desktop_faults, "appstream": appstream_faults}[kind](path)
    for fault in faults:
        print(f"{path}: {fault}")
    if not faults:
        print(f"{path}: English with Russian translations")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

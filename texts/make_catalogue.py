#!/usr/bin/env python3
"""Writes the catalogue of texts from the gettext files in texts/po, after checking them.

The template (dephlegmator.pot) holds, in order, every text with its stable key as msgctxt and its
Russian text as msgid. An entry whose reference names a Text enumerator ("#: Text::Frame1Caption")
is a text of the catalogue, reached by that enumerator; an entry without one is a text of the
browser page, its msgctxt "page." and the page's key. Each translation (en.po, ...) gives every
entry of the template its msgstr. Written into the output folder:

  languages.h   enum class Language, one enumerator per language, and their codes;
  text_ids.h    enum class Text, one enumerator per text of the catalogue, in the template's
                order, with the template's extracted comments ("#.") as its comments; the
                entries' types TextEntry and PageTextEntry, with a field per language (named as
                its enumerator, in lower case: "russian"), and the field of each Language;
  text_table.h  kTexts (one TextEntry per Text, in Text order) and kPageTexts (one PageTextEntry
                per page text).

Nothing is written when a file is at fault. Each fault is printed as "file:line: message", and the
script exits with 1. A fault is: what "msgfmt --check" reports (its format checks test the
"{name}" placeholders of entries flagged python-brace-format); an entry with placeholders that is
not so flagged, or one so flagged without any; a translation whose placeholders differ from its
msgid's; a key that is missing from a translation, or that a translation has and the template has
not; a key given twice; an empty key, msgid or translation; a fuzzy translation; a translation's
msgid that differs from the template's (the template changed and the translation was not merged);
a catalogue text without a Text enumerator, or an enumerator given twice.

Each file is named with its language's code and its Language enumerator; the template's language
comes first, and the translations follow in the order of Language.
Example: make_catalogue.py --msgfmt /usr/bin/msgfmt --template ru:Russian:po/dephlegmator.pot
                           --translation en:English:po/en.po --out-dir build/texts/generated
"""

import argparse
import os
import re
import subprocess
import sys
from dataclasses import dataclass, field

PAGE_PREFIX = "page."
ENUMERATOR_REFERENCE = "Text::"
PLACEHOLDER = re.compile(r"\{[^{}]*\}")
IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z0-9_]*\Z")
ESCAPES = {"\\": "\\", '"': '"', "n": "\n", "t": "\t"}


@dataclass
class Entry:
    """One entry of a .po file, with the line of each of its parts."""

    line: int = 0
    comments: list = field(default_factory=list)  # "#." lines, without the "#. "
    references: list = field(default_factory=list)  # the words of "#:" lines
    flags: set = field(default_factory=set)
    msgctxt: str = None
    msgid: str = None
    msgstr: str = None
    lines: dict = field(default_factory=dict)  # "msgctxt", "msgid", "msgstr": the line


class Faults:
    def __init__(self):
        self.found = []

    def add(self, path, line, message):
        self.found.append(f"{path}:{line}: {message}")


def unquote(text, path, line, faults):
    """The string of one quoted line of a .po file: '"a\\"b"' -> 'a"b'."""
    if len(text) < 2 or not text.startswith('"') or not text.endswith('"'):
        faults.add(path, line, "a string must stand in double quotes")
        return ""
    out = []
    body = text[1:-1]
    i = 0
    while i < len(body):
        char = body[i]
        if char == "\\":
            escaped = body[i + 1 : i + 2]
            if escaped not in ESCAPES:
                faults.add(path, line, f"unknown escape \\{escaped}")
            out.append(ESCAPES.get(escaped, ""))
            i += 2
        elif char == '"':
            faults.add(path, line, 'a double quote inside a string must be written \\"')
            i += 1
        else:
            out.append(char)
            i += 1
    return "".join(out)


def read_po(path, faults):
    """The entries of a .po file, the header (msgid "") first. Obsolete entries ("#~") are left
    out, as gettext leaves them out."""
    entries = []
    entry = Entry()
    part = None  # the keyword the last string belongs to

    def finish():
        nonlocal entry, part
        if entry.msgid is not None or entry.msgctxt is not None:
            entries.append(entry)
        elif entry.comments or entry.references or entry.flags:
            faults.add(path, entry.line, "comments without an entry")
        entry = Entry()
        part = None

    with open(path, encoding="utf-8") as source:
        lines = source.read().split("\n")
    for number, raw in enumerate(lines, start=1):
        text = raw.strip()
        if not text or text.startswith("#~"):
            if part == "msgstr":
                finish()
            continue
        if part == "msgstr" and not text.startswith('"'):
            finish()
        if text.startswith("#"):
            if entry.line == 0:
                entry.line = number
            if text.startswith("#."):
                entry.comments.append(text[2:].strip())
            elif text.startswith("#:"):
                entry.references.extend(text[2:].split())
            elif text.startswith("#,"):
                entry.lines["flags"] = number
                entry.flags.update(flag.strip() for flag in text[2:].split(","))
            continue
        if text.startswith('"'):
            if part is None:
                faults.add(path, number, "a string outside an entry")
            else:
                value = unquote(text, path, number, faults)
                setattr(entry, part, getattr(entry, part) + value)
            continue
        keyword, _, rest = text.partition(" ")
        if keyword not in ("msgctxt", "msgid", "msgstr"):
            faults.add(path, number, f"unknown keyword {keyword!r}")
            continue
        if getattr(entry, keyword) is not None:
            faults.add(path, number, f"{keyword} given twice in one entry")
        if entry.line == 0:
            entry.line = number
        entry.lines[keyword] = number
        setattr(entry, keyword, unquote(rest.strip(), path, number, faults))
        part = keyword
    finish()
    return entries


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def run_msgfmt(msgfmt, path, template, faults):
    """msgfmt's checks of one file: the format checks and, in a translation, its header. Every
    line msgfmt prints, warnings too, is a fault."""
    checks = ["--check-format", "--check-domain"] if template else ["--check"]
    result = subprocess.run(
        [msgfmt, *checks, "-o", os.devnull, path],
        capture_output=True,
        text=True,
        check=False,
    )
    said = [line for line in result.stderr.splitlines() if line.strip()]
    # msgfmt ends a failed run with a count of its errors, which names no line.
    said = [line for line in said if not re.match(r"\S*msgfmt: found \d+ fatal error", line)]
    faults.found.extend(said)
    if result.returncode != 0 and not said:
        faults.found.append(f"{path}:1: msgfmt failed")


def check_entries(path, entries, faults, template):
    """The faults of one file taken alone; its entries by key (the header left out)."""
    by_key = {}
    for entry in entries:
        if entry.msgid == "" and entry.msgctxt is None:
            continue  # the header
        where = entry.lines.get("msgctxt", entry.line)
        if not entry.msgctxt:
            faults.add(path, where, "an entry without a key (msgctxt)")
            continue
        if entry.msgctxt in by_key:
            first = by_key[entry.msgctxt].lines["msgctxt"]
            faults.add(path, where, f'the key "{entry.msgctxt}" is given twice (first at line {first})')
            continue
        by_key[entry.msgctxt] = entry
        if not entry.msgid:
            faults.add(path, entry.lines.get("msgid", where), f'"{entry.msgctxt}": an empty msgid')
        if entry.msgstr is None:
            faults.add(path, where, f'"{entry.msgctxt}": no msgstr')
            entry.msgstr = ""
        has_placeholders = bool(placeholders(entry.msgid or "")) or bool(placeholders(entry.msgstr))
        flagged = "python-brace-format" in entry.flags
        if has_placeholders and not flagged:
            faults.add(path, where, f'"{entry.msgctxt}": has placeholders but no "#, python-brace-format"')
        if flagged and not has_placeholders:
            faults.add(path, where, f'"{entry.msgctxt}": "#, python-brace-format" without a placeholder')
        if template:
            continue
        msgstr_line = entry.lines.get("msgstr", where)
        if "fuzzy" in entry.flags:
            faults.add(path, entry.lines["flags"], f'"{entry.msgctxt}": a fuzzy translation')
        if not entry.msgstr:
            faults.add(path, msgstr_line, f'"{entry.msgctxt}": an empty translation')
        elif placeholders(entry.msgstr) != placeholders(entry.msgid or ""):
            faults.add(
                path,
                msgstr_line,
                f'"{entry.msgctxt}": the placeholders {", ".join(placeholders(entry.msgstr)) or "(none)"}'
                f' differ from the msgid\'s {", ".join(placeholders(entry.msgid or "")) or "(none)"}',
            )
    return by_key


def check_translation(path, by_key, template_path, template, faults):
    """A translation against the template: the same keys, the same msgids."""
    keys = list(template)
    previous_line = 1
    for key in keys:
        entry = by_key.get(key)
        if entry is None:
            faults.add(
                path,
                previous_line,
                f'the key "{key}" is missing after this line '
                f'(the template has it at {template_path}:{template[key].lines["msgctxt"]})',
            )
            continue
        previous_line = entry.lines.get("msgstr", entry.line)
        if entry.msgid != template[key].msgid:
            faults.add(
                path,
                entry.lines.get("msgid", entry.line),
                f'"{key}": the msgid differs from the template\'s '
                f'({template_path}:{template[key].lines["msgid"]}); merge the template (msgmerge)',
            )
    for key, entry in by_key.items():
        if key not in template:
            faults.add(path, entry.lines["msgctxt"], f'the key "{key}" is not in the template')


def enumerators(template_path, template, faults):
    """The catalogue's entries as (enumerator, entry) and the page's as (key, entry)."""
    texts, page, seen = [], [], {}
    for key, entry in template.items():
        names = [ref[len(ENUMERATOR_REFERENCE) :] for ref in entry.references if ref.startswith(ENUMERATOR_REFERENCE)]
        where = entry.lines["msgctxt"]
        if key.startswith(PAGE_PREFIX):
            if names:
                faults.add(template_path, where, f'"{key}": a page text has no Text enumerator')
            page.append((key[len(PAGE_PREFIX) :], entry))
            continue
        if len(names) != 1 or not IDENTIFIER.match(names[0]):
            faults.add(template_path, where, f'"{key}": needs one reference "#: Text::Name"')
            continue
        if names[0] in seen:
            faults.add(template_path, where, f"the enumerator {names[0]} is given twice (first at line {seen[names[0]]})")
            continue
        seen[names[0]] = where
        texts.append((names[0], entry))
    return texts, page


def cpp_string(text):
    """A C++ string literal of `text`: printable characters as they are, in UTF-8; the invisible
    ones (U+00A0, U+2060, ...) as \\u escapes."""
    out = ['"']
    for char in text:
        code = ord(char)
        if char in ('"', "\\"):
            out.append("\\" + char)
        elif char == "\n":
            out.append("\\n")
        elif code < 0x20 or code == 0x7F:
            out.append(f"\\x{code:02x}")
        elif code >= 0x80 and (not char.isprintable() or char.isspace()):
            out.append(f"\\u{code:04X}" if code <= 0xFFFF else f"\\U{code:08X}")
        else:
            out.append(char)
    out.append('"')
    return "".join(out)


def comment_lines(comments, indent, width=100):
    """The extracted comments as C++ comment lines of at most `width` characters."""
    words = " ".join(comments).split()
    lines, line = [], ""
    for word in words:
        if line and len(indent) + 3 + len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = f"{line} {word}" if line else word
    if line:
        lines.append(line)
    return [f"{indent}// {text}" for text in lines]


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as existing:
            if existing.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def generate(out_dir, template_path, texts, page, translations, languages):
    names = [os.path.basename(path) for _, _, path in languages]
    origin = f"// Written by texts/make_catalogue.py from {', '.join(names)}: do not edit.\n"
    fields = [name.lower() for _, name, _ in languages]

    langs = [origin, "#pragma once\n\n#include <array>\n#include <string_view>\n\n"]
    langs.append("namespace dephlegmator {\n\n")
    langs.append(f"enum class Language {{ {', '.join(name for _, name, _ in languages)} }};\n\n")
    langs.append("// The code of each Language, in its order.\n")
    codes = ", ".join(cpp_string(code) for code, _, _ in languages)
    langs.append(f"inline constexpr std::array<std::string_view, {len(languages)}> kLanguageCodes{{{codes}}};\n")
    langs.append("\n}  // namespace dephlegmator\n")

    ids = [origin, "#pragma once\n\n#include <array>\n#include <cstdint>\n#include <string_view>\n\n"]
    ids.append('#include "languages.h"\n\nnamespace dephlegmator {\n\n')
    ids.append("enum class Text : std::uint16_t {\n")
    for index, (name, entry) in enumerate(texts):
        if entry.comments:
            if index:
                ids.append("\n")
            ids.extend(line + "\n" for line in comment_lines(entry.comments, "    "))
        ids.append(f"    {name},\n")
    ids.append("};\n\n")
    ids.append("// One text of the catalogue: its Text, its key and its text in each language.\n")
    ids.append("struct TextEntry {\n    Text id;\n")
    ids.append('    std::string_view key;  // e.g. "Frame1.caption", "error.loadBeyondSurface"\n')
    ids.extend(f"    std::string_view {field};\n" for field in fields)
    ids.append("};\n\n")
    ids.append("// One text of the browser page: its key and its text in each language.\n")
    ids.append("struct PageTextEntry {\n")
    ids.append('    std::string_view key;  // e.g. "page.title", "column.tankVolume"\n')
    ids.extend(f"    std::string_view {field};\n" for field in fields)
    ids.append("};\n\n")
    for struct, array in (("TextEntry", "kTextIn"), ("PageTextEntry", "kPageTextIn")):
        members = ", ".join(f"&{struct}::{field}" for field in fields)
        ids.append(f"// The field of a {struct} that holds its text in each Language, in its order.\n")
        ids.append(f"inline constexpr std::array<std::string_view {struct}::*, {len(fields)}> {array}{{{members}}};\n")
    ids.append("\n}  // namespace dephlegmator\n")

    def in_languages(key, entry):
        return [entry.msgid] + [by_key[key].msgstr for _, by_key in translations]

    table = [origin, '#pragma once\n\n#include <array>\n\n#include "texts.h"\n\n']
    table.append("namespace dephlegmator::generated {\n\n")
    table.append(f"inline constexpr std::array<TextEntry, {len(texts)}> kTexts{{{{\n")
    for name, entry in texts:
        values = ", ".join(cpp_string(text) for text in in_languages(entry.msgctxt, entry))
        table.append(f"    {{Text::{name}, {cpp_string(entry.msgctxt)}, {values}}},\n")
    table.append("}};\n\n")
    table.append(f"inline constexpr std::array<PageTextEntry, {len(page)}> kPageTexts{{{{\n")
    for key, entry in page:
        values = ", ".join(cpp_string(text) for text in in_languages(entry.msgctxt, entry))
        table.append(f"    {{{cpp_string(key)}, {values}}},\n")
    table.append("}};\n\n}  // namespace dephlegmator::generated\n")

    os.makedirs(out_dir, exist_ok=True)
    write_if_changed(os.path.join(out_dir, "languages.h"), "".join(langs))
    write_if_changed(os.path.join(out_dir, "text_ids.h"), "".join(ids))
    write_if_changed(os.path.join(out_dir, "text_table.h"), "".join(table))


def language_arg(text):
    """("en", "English", "po/en.po") from "en:English:po/en.po"."""
    code, name, path = (text.split(":", 2) + ["", ""])[:3]
    if not re.match(r"[a-z]{2,3}\Z", code) or not IDENTIFIER.match(name) or not path:
        raise SystemExit(f"{text}: not CODE:Name:file, e.g. en:English:po/en.po")
    return code, name, path


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--msgfmt", required=True, help="the msgfmt program")
    parser.add_argument("--template", required=True, help="CODE:Name:the .pot file, e.g. ru:Russian:po/dephlegmator.pot")
    parser.add_argument("--translation", action="append", default=[], help="CODE:Name:a .po file, e.g. en:English:po/en.po")
    parser.add_argument("--out-dir", help="where to write the headers; none: only check")
    args = parser.parse_args(argv)
    languages = [language_arg(text) for text in [args.template, *args.translation]]
    args.template = languages[0][2]
    args.translation = [path for _, _, path in languages[1:]]
    for column in (0, 1):
        values = [language[column] for language in languages]
        if len(set(values)) != len(values):
            raise SystemExit(f"a language is named twice: {', '.join(values)}")

    faults = Faults()
    run_msgfmt(args.msgfmt, args.template, True, faults)
    template = check_entries(args.template, read_po(args.template, faults), faults, True)
    texts, page = enumerators(args.template, template, faults)
    translations = []
    for path in args.translation:
        run_msgfmt(args.msgfmt, path, False, faults)
        by_key = check_entries(path, read_po(path, faults), faults, False)
        check_translation(path, by_key, args.template, template, faults)
        translations.append((path, by_key))
    if faults.found:
        for fault in faults.found:
            print(fault, file=sys.stderr)
        return 1
    if args.out_dir:
        generate(args.out_dir, args.template, texts, page, translations, languages)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""The build step that writes the catalogue (texts/make_catalogue.py) takes the project's gettext
files, and refuses a broken copy of them with the file and the line of each fault.

Run: po_refusals_test.py --script texts/make_catalogue.py --msgfmt /usr/bin/msgfmt
                         --po-dir texts/po
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ARGS = None


def line_of(lines, text, after=0):
    """The 1-based number of the first line at or after line `after` that is `text`."""
    for number in range(max(after, 1), len(lines) + 1):
        if lines[number - 1] == text:
            return number
    raise AssertionError(f"no line {text!r}")


def entry_span(lines, key):
    """The lines (1-based, inclusive) of the entry with msgctxt `key`: its comments to its last
    string."""
    context = line_of(lines, f'msgctxt "{key}"')
    first = context
    while first > 1 and lines[first - 2].startswith("#"):
        first -= 1
    last = context
    while last < len(lines) and lines[last]:
        last += 1
    return first, last


def next_msgstr(lines, key):
    """The msgstr line of the entry with msgctxt `key`."""
    _, last = entry_span(lines, key)
    for number in range(line_of(lines, f'msgctxt "{key}"'), last + 1):
        if lines[number - 1].startswith("msgstr"):
            return lines[number - 1]
    raise AssertionError(key)


class Refusals(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        for name in ("dephlegmator.pot", "en.po"):
            shutil.copy(os.path.join(ARGS.po_dir, name), self.dir)
        self.out = os.path.join(self.dir, "out")

    def tearDown(self):
        shutil.rmtree(self.dir)

    def path(self, name):
        return os.path.join(self.dir, name)

    def lines(self, name):
        with open(self.path(name), encoding="utf-8") as po:
            return po.read().split("\n")

    def write(self, name, lines):
        with open(self.path(name), "w", encoding="utf-8") as po:
            po.write("\n".join(lines))

    def run_step(self):
        return subprocess.run(
            [sys.executable, ARGS.script, "--msgfmt", ARGS.msgfmt,
             "--template", "ru:Russian:" + self.path("dephlegmator.pot"),
             "--translation", "en:English:" + self.path("en.po"), "--out-dir", self.out],
            capture_output=True, text=True, check=False)

    def test_the_project_files_are_taken(self):
        result = self.run_step()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, "")
        self.assertEqual(sorted(os.listdir(self.out)), ["languages.h", "text_ids.h", "text_table.h"])

    def test_broken_files_are_refused_with_file_and_line(self):
        # Each case breaks one file and names the fault it must cause: (file, line, words).
        def wrong_placeholder(files):
            en = files["en.po"]
            number = line_of(en, next_msgstr(en, "link.twice"))
            en[number - 1] = en[number - 1].replace("{what}", "{which}")
            return "en.po", number, "placeholders {which} differ from the msgid's {what}"

        def missing_key(files):
            en = files["en.po"]
            first, last = entry_span(en, "Option1.caption")
            del en[first - 1:last + 1]
            before = line_of(en, next_msgstr(en, "Frame1.caption"))
            return "en.po", before, 'the key "Option1.caption" is missing after this line'

        def empty_translation(files):
            en = files["en.po"]
            number = line_of(en, next_msgstr(en, "error.title"))
            en[number - 1] = 'msgstr ""'
            return "en.po", number, '"error.title": an empty translation'

        def extra_key(files):
            en = files["en.po"]
            number = line_of(en, 'msgctxt "error.title"')
            en[number - 1] = 'msgctxt "error.heading"'
            return "en.po", number, 'the key "error.heading" is not in the template'

        def duplicate_key(files):
            pot = files["dephlegmator.pot"]
            first = line_of(pot, 'msgctxt "Frame1.caption"')
            number = line_of(pot, 'msgctxt "Option1.caption"')
            pot[number - 1] = 'msgctxt "Frame1.caption"'
            return ("dephlegmator.pot", number,
                    f'the key "Frame1.caption" is given twice (first at line {first})')

        def unflagged_placeholder(files):
            pot = files["dephlegmator.pot"]
            number = line_of(pot, 'msgctxt "link.twice"')
            assert pot[number - 2] == "#, python-brace-format"
            del pot[number - 2]
            return ("dephlegmator.pot", number - 1,
                    '"link.twice": has placeholders but no "#, python-brace-format"')

        def stale_msgid(files):
            pot = files["dephlegmator.pot"]
            number = line_of(pot, 'msgid "Ошибка"')
            pot[number - 1] = 'msgid "Ошибка!"'
            en_number = line_of(files["en.po"], 'msgid "Ошибка"')
            return "en.po", en_number, '"error.title": the msgid differs from the template\'s'

        def fuzzy(files):
            en = files["en.po"]
            number = line_of(en, 'msgctxt "error.title"')
            en.insert(number - 1, "#, fuzzy")
            return "en.po", number, '"error.title": a fuzzy translation'

        def no_enumerator(files):
            pot = files["dephlegmator.pot"]
            number = line_of(pot, 'msgctxt "error.title"')
            assert pot[number - 2].startswith("#: Text::")
            del pot[number - 2]
            return "dephlegmator.pot", number - 1, '"error.title": needs one reference "#: Text::Name"'

        def msgfmt_syntax(files):
            en = files["en.po"]
            number = line_of(en, next_msgstr(en, "error.title"))
            en[number - 1] = 'msgstr "Error'
            return "en.po", number, ""

        cases = [wrong_placeholder, missing_key, empty_translation, extra_key, duplicate_key,
                 unflagged_placeholder, stale_msgid, fuzzy, no_enumerator, msgfmt_syntax]
        originals = {name: self.lines(name) for name in ("dephlegmator.pot", "en.po")}
        for case in cases:
            with self.subTest(case.__name__):
                files = {name: list(lines) for name, lines in originals.items()}
                name, number, words = case(files)
                for file_name, lines in files.items():
                    self.write(file_name, lines)
                shutil.rmtree(self.out, ignore_errors=True)
                result = self.run_step()
                self.assertEqual(result.returncode, 1, result.stderr)
                expected = f"{self.path(name)}:{number}: "
                said = [line for line in result.stderr.splitlines() if line.startswith(expected)]
                self.assertTrue(said and any(words in line for line in said),
                                f"wanted {expected}...{words} in:\n{result.stderr}")
                self.assertFalse(os.path.exists(self.out), "nothing is written")


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--script", required=True)
    parser.add_argument("--msgfmt", required=True)
    parser.add_argument("--po-dir", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], *rest])

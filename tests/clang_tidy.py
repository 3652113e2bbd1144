#!/usr/bin/env python3
"""Runs clang-tidy over each source file of a build, in parallel, with run-clang-tidy.

The build compiles its GoogleTest programs as unity sources, so its compile database names the
generated unity files rather than the test files they include. This writes a database beside it,
in <build>/tidy/, in which each unity entry becomes one entry per file it includes, with the same
command, and runs run-clang-tidy over that: every test file is still checked, and parsed, alone.

    clang_tidy.py --build build --run-clang-tidy run-clang-tidy --clang-tidy clang-tidy \
        --jobs 2 '^/src/(engine|tests)/.*\\.cpp$'
"""
import argparse
import json
import re
import subprocess
import sys
from pathlib import Path

INCLUDE = re.compile(r'^#include "([^"]+)"$', re.MULTILINE)


def per_file_entries(entries):
    """The entries of a compile database, each unity entry replaced by one for each file it
    includes."""
    for entry in entries:
        unity = Path(entry["file"])
        if unity.parent.name != "Unity":
            yield entry
            continue
        for source in INCLUDE.findall(unity.read_text(encoding="utf-8")):
            yield {**entry, "file": source, "command": entry["command"].replace(str(unity), source)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=Path, required=True)
    parser.add_argument("--run-clang-tidy", required=True)
    parser.add_argument("--clang-tidy", required=True)
    parser.add_argument("--jobs", required=True)
    parser.add_argument("files", help="a regular expression for the files to check")
    args = parser.parse_args()

    entries = json.loads((args.build / "compile_commands.json").read_text(encoding="utf-8"))
    database = args.build / "tidy"
    database.mkdir(exist_ok=True)
    (database / "compile_commands.json").write_text(
        json.dumps(list(per_file_entries(entries)), indent=1), encoding="utf-8")
    return subprocess.call([args.run_clang_tidy, "-clang-tidy-binary", args.clang_tidy,
                            "-p", str(database), "-j", args.jobs, "-quiet", args.files])


if __name__ == "__main__":
    sys.exit(main())

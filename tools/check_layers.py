#!/usr/bin/env python3
"""Checks that the program's folders include one another in one direction only.

    python3 tools/check_layers.py        # exit status 1 and a list of the faults

The folders are layers, from the bottom up; a file may include headers of its
own folder and of the folders below it, never of a folder above it:

    core, database      the register itself (Qt Core only)
    desktop             message boxes, file dialogs, outside programs, cursors
    help, output        help pages; exports and printing
    itemdialog          the item dialog
    labels              label sheets for any printer and their barcodes
    barcodes            labels and the scanner import
    setup, versions,    the setup dialogs (they print location labels); the
    spreadsheet,        earlier versions of the database; the spreadsheet
    bulkedit,           (CSV) export and import dialogs; the change of many
    statistics          items at once; the totals and charts on screen
    recovery            the recovery file of the unsaved changes
    diskchanges         the watch over the open database's file
    mainwindow          the main window, its menus and the item list
    app                 start-up

Folders on one line are side by side and do not include each other. Needs the
Python 3 standard library only.
"""

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

LAYERS = [
    ["core"],
    ["database"],
    ["desktop"],
    ["help"],
    ["output"],
    ["itemdialog"],
    ["labels"],
    ["barcodes"],
    ["setup", "versions", "spreadsheet", "bulkedit", "statistics"],
    ["recovery"],
    ["diskchanges"],
    ["mainwindow"],
    ["app"],
]

RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.MULTILINE)
SOURCE = (".h", ".cpp", ".hpp", ".cc")


def faults():
    found = []
    for folder, rank in sorted(RANK.items(), key=lambda pair: pair[1]):
        top = os.path.join(ROOT, folder)
        for base, _, names in os.walk(top):
            for name in sorted(names):
                if not name.endswith(SOURCE):
                    continue
                path = os.path.join(base, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    text = source.read()
                for match in INCLUDE.finditer(text):
                    included = match.group(1)
                    if included not in RANK or included == folder:
                        continue
                    if RANK[included] >= rank:
                        line = text.count("\n", 0, match.start()) + 1
                        where = os.path.relpath(path, ROOT)
                        found.append(f"{where}:{line}: {folder}/ includes {included}/, "
                                     f"which is not below it")
    return found


def main():
    problems = faults()
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

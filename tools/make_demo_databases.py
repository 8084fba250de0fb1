#!/usr/bin/env python3
"""Writes the demo databases that a new user sees first, with their list files,
pictures and documents, under data/db/ (copied as-is into the run folder).

    python3 tools/make_demo_databases.py            # everything
    python3 tools/make_demo_databases.py --no-pictures

One folder per edition, one database per language (dk, no, en). Every folder
holds the group, location, supplier and field-name lists in each language plus
the Danish fall-backs groups.da.txt and location.da.txt. All text files are
Latin-1 with CR LF line ends, as the program reads and writes them.

The pictures are drawn with ImageMagick's `convert`; without it (or with
--no-pictures) the pictures already in the tree are kept. Everything else needs
the Python 3 standard library only. The output is deterministic: running the
script twice gives the same bytes (pictures are written without time stamps).
"""

import argparse
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ beside the sources

import demo_ostrana  # noqa: E402
import demo_vistrel  # noqa: E402
import demo_numivax  # noqa: E402
import demo_quorvel  # noqa: E402

LANGUAGES = ("dk", "no", "en")
MAX_TEXT_BYTES = 199
CRLF = "\r\n"

# Item fields in the order of a data line.
FIELD_ORDER = (
    "group", "name", "product", "price", "priceToday", "date", "supplier",
    "serialno", "description", "address", "photolink", "count", "location",
    "www", "receipt", "document", "productModel",
)
TEXT_FIELDS = (
    "name", "product", "date", "supplier", "serialno", "description",
    "address", "photolink", "www", "receipt", "document", "productModel",
)


class DataError(Exception):
    pass


def check_text(text, what):
    """A text must fit in a database or list file unchanged."""
    if ";" in text or "\n" in text or "\r" in text:
        raise DataError("%s holds a separator or line break: %r" % (what, text))
    try:
        encoded = text.encode("latin-1")
    except UnicodeEncodeError:
        raise DataError("%s is not Latin-1: %r" % (what, text))
    if len(encoded) > MAX_TEXT_BYTES:
        raise DataError("%s is %d bytes long: %r" % (what, len(encoded), text))


def check_date(text, what):
    if text == "":
        return
    parts = text.split(".")
    if (len(parts) != 3 or len(parts[0]) != 2 or len(parts[1]) != 2 or len(parts[2]) != 4
            or not all(p.isdigit() for p in parts)):
        raise DataError("%s is not dd.mm.yyyy: %r" % (what, text))
    day, month = int(parts[0]), int(parts[1])
    if not (1 <= day <= 31 and 1 <= month <= 12):
        raise DataError("%s is not a date: %r" % (what, text))


def data_line(item, groups, locations, what):
    missing = [f for f in FIELD_ORDER if f not in item]
    if missing:
        raise DataError("%s lacks %s" % (what, ", ".join(missing)))
    if not 0 <= item["group"] < groups:
        raise DataError("%s: group %d outside 0..%d" % (what, item["group"], groups - 1))
    if not 0 <= item["location"] < locations:
        raise DataError("%s: location %d outside 0..%d" % (what, item["location"], locations - 1))
    for field in TEXT_FIELDS:
        check_text(item[field], "%s %s" % (what, field))
    check_date(item["date"], what + " date")
    fields = []
    for field in FIELD_ORDER:
        value = item[field]
        if field in ("price", "priceToday"):
            fields.append("%.6f" % float(value))
        elif field in ("group", "count", "location"):
            fields.append("%d" % int(value))
        else:
            fields.append(value)
    return "".join(f + ";" for f in fields)


def write_latin1(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write("".join(line + CRLF for line in lines).encode("latin-1"))


def write_lists(folder, edition):
    """The four lists per language, and the Danish fall-backs."""
    lists = {
        "groups": edition.GROUPS,
        "location": edition.LOCATIONS,
    }
    for index, language in enumerate(LANGUAGES):
        for name, entries in lists.items():
            texts = [entry[index] for entry in entries]
            for text in texts:
                check_text(text, "%s %s" % (name, language))
            write_latin1(os.path.join(folder, name, "%s.%s.txt" % (name, language)), texts)
        suppliers = edition.SUPPLIERS[language]
        for text in suppliers:
            check_text(text, "supplier " + language)
        write_latin1(os.path.join(folder, "supplier", "supplier.%s.txt" % language), suppliers)
        fields = edition.FIELDS[language]
        if len(fields) != 17:
            raise DataError("%s field names %s: %d entries" % (edition.NAME, language, len(fields)))
        for text in fields:
            check_text(text, "field name " + language)
        write_latin1(os.path.join(folder, "fields", "fields.%s.txt" % language), fields)
    for name, entries in lists.items():
        write_latin1(os.path.join(folder, name, "%s.da.txt" % name), [entry[0] for entry in entries])


def write_database(folder, edition, language):
    items = edition.items(language)
    if not 40 <= len(items) <= 80:
        raise DataError("%s %s has %d items" % (edition.NAME, language, len(items)))
    # Stored in group order, as the program itself saves a database.
    items = sorted(items, key=lambda record: record["group"])
    lines = [edition.HEADER]
    for number, item in enumerate(items):
        what = "%s %s item %d (%s)" % (edition.NAME, language, number, item.get("name", "?"))
        lines.append(data_line(item, len(edition.GROUPS), len(edition.LOCATIONS), what))
        for link in ("photolink", "receipt", "document"):
            if item[link] and not item[link].startswith("db/" + edition.FOLDER + "/"):
                raise DataError("%s: %s outside the demo folder: %s" % (what, link, item[link]))
    if not edition.HEADER.startswith("#") or len(edition.HEADER.encode("latin-1")) > 349:
        raise DataError("%s: bad header line" % edition.NAME)
    path = os.path.join(folder, edition.DATABASE % language)
    write_latin1(path, lines)
    return items


def run_convert(arguments, target):
    """One ImageMagick call; time stamps and tool comments are left out."""
    os.makedirs(os.path.dirname(target), exist_ok=True)
    command = ["convert"] + arguments + [
        "-strip", "-define", "png:exclude-chunks=date,time", target]
    subprocess.run(command, check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(HERE),
                        help="the repository root (default: the folder above tools/)")
    parser.add_argument("--no-pictures", action="store_true",
                        help="keep the pictures in the tree instead of drawing them again")
    options = parser.parse_args()

    db_root = os.path.join(options.root, "data", "db")
    draw = not options.no_pictures and shutil.which("convert") is not None
    if not options.no_pictures and not draw:
        print("convert (ImageMagick) not found: keeping the pictures in the tree", file=sys.stderr)

    for edition in (demo_ostrana, demo_vistrel, demo_numivax, demo_quorvel):
        folder = os.path.join(db_root, edition.FOLDER)
        write_lists(folder, edition)
        linked = set()
        for language in LANGUAGES:
            for item in write_database(folder, edition, language):
                for link in ("photolink", "receipt", "document"):
                    if item[link]:
                        linked.add(item[link])
        for relative, content in edition.documents().items():
            path = os.path.join(options.root, "data", relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as out:
                out.write(content.encode("latin-1"))
        if draw:
            for relative, arguments in edition.pictures().items():
                run_convert(arguments, os.path.join(options.root, "data", relative))
        absent = sorted(link for link in linked
                        if not os.path.isfile(os.path.join(options.root, "data", link)))
        if absent:
            raise DataError("%s links to missing files: %s" % (edition.NAME, ", ".join(absent)))
        print("%-8s %s: %s items" % (edition.NAME, edition.FOLDER, ", ".join(
            "%s %d" % (language, len(edition.items(language))) for language in LANGUAGES)))


if __name__ == "__main__":
    try:
        main()
    except DataError as error:
        print("error: %s" % error, file=sys.stderr)
        sys.exit(1)

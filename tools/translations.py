#!/usr/bin/env python3
"""Brings the program's catalogues translations/larkspan_{dk,no,en}.ts up to date.

    python3 tools/translations.py              # lupdate, then fill in the texts
    python3 tools/translations.py --no-lupdate # only fill in the texts
    python3 tools/translations.py --check      # exit status 1 when a text is missing

lupdate extracts every translated text of the sources into the three catalogues
(dropping texts that are no longer used); this script then writes the Danish,
Norwegian (bokmål) and English text of each message from the table in
translation_texts.py and marks it finished. A message that the table does not
know stays unfinished and is listed, so that a new text in the sources is
noticed at once.

Some texts are looked up at run time under keys that lupdate cannot see (the
item dialog's save check, the column titles that retitle the Setup menu);
translation_texts.EXTRA lists them and they are added to the catalogues here.

Needs the Python 3 standard library and Qt's lupdate only.
"""

import argparse
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ beside the sources

import translation_texts  # noqa: E402

SOURCE_FOLDERS = ["core", "database", "desktop", "itemdialog", "mainwindow", "output", "setup", "versions", "spreadsheet", "labels", "barcodes", "help",
                  "bulkedit", "statistics", "recovery", "diskchanges", "app"]
CATALOGUES = [("dk", "da", 0), ("no", "nb", 1), ("en", "en", 2)]


def find_lupdate():
    for candidate in (os.environ.get("LUPDATE"), "/usr/lib/qt6/bin/lupdate", "lupdate6", "lupdate"):
        if not candidate:
            continue
        if os.path.isabs(candidate):
            if os.access(candidate, os.X_OK):
                return candidate
        else:
            for folder in os.environ.get("PATH", "").split(os.pathsep):
                path = os.path.join(folder, candidate)
                if os.access(path, os.X_OK):
                    return path
    sys.exit("lupdate not found (set LUPDATE)")


def run_lupdate(paths):
    folders = [f for f in SOURCE_FOLDERS if os.path.isdir(os.path.join(ROOT, f))]
    command = [find_lupdate(), "-silent", "-locations", "none", "-no-obsolete",
               "-extensions", "cpp,h,ui", "-I", "."] + folders + ["-ts"] + paths
    subprocess.run(command, cwd=ROOT, check=True)


def read_catalogue(path):
    """Returns [(context, [message dict])] in file order."""
    contexts = []
    if not os.path.exists(path):
        return contexts
    root = ET.parse(path).getroot()
    for context in root.findall("context"):
        name = context.findtext("name") or ""
        messages = []
        for message in context.findall("message"):
            entry = {"source": message.findtext("source") or ""}
            for tag in ("comment", "extracomment", "translatorcomment"):
                if message.find(tag) is not None:
                    entry[tag] = message.findtext(tag) or ""
            if message.get("numerus") == "yes":
                sys.exit("%s: plural messages are not handled (%s)" % (path, entry["source"]))
            messages.append(entry)
        contexts.append((name, messages))
    return contexts


def protect(text):
    # The same escapes as lupdate writes.
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def write_catalogue(path, language, contexts):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s" sourcelanguage="da">' % language]
    for name, messages in contexts:
        lines.append("<context>")
        lines.append("    <name>%s</name>" % protect(name))
        for m in messages:
            lines.append("    <message>")
            lines.append("        <source>%s</source>" % protect(m["source"]))
            for tag in ("comment", "extracomment", "translatorcomment"):
                if tag in m:
                    lines.append("        <%s>%s</%s>" % (tag, protect(m[tag]), tag))
            if m.get("translation") is None:
                lines.append('        <translation type="unfinished"></translation>')
            else:
                lines.append("        <translation>%s</translation>" % protect(m["translation"]))
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def add_extras(contexts):
    by_name = {name: messages for name, messages in contexts}
    for context, source in translation_texts.EXTRA:
        messages = by_name.get(context)
        if messages is None:
            messages = []
            by_name[context] = messages
            contexts.append((context, messages))
        if not any(m["source"] == source for m in messages):
            messages.append({"source": source})
    contexts.sort(key=lambda c: c[0])


def lookup(context, source, index):
    texts = translation_texts.OVERRIDES.get((context, source)) or translation_texts.TEXTS.get(source)
    if texts is None:
        return None
    text = texts[index]
    return source if text is None else text


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--no-lupdate", action="store_true", help="do not run lupdate first")
    parser.add_argument("--check", action="store_true", help="exit status 1 when a text has no translation")
    args = parser.parse_args()

    paths = [os.path.join(ROOT, "translations", "larkspan_%s.ts" % code) for code, _, _ in CATALOGUES]
    if not args.no_lupdate:
        run_lupdate(paths)

    missing = set()
    count = 0
    for (code, language, index), path in zip(CATALOGUES, paths):
        contexts = read_catalogue(path)
        add_extras(contexts)
        count = 0
        for context, messages in contexts:
            for m in messages:
                m["translation"] = lookup(context, m["source"], index)
                if m["translation"] is None:
                    missing.add((context, m["source"]))
                count += 1
        write_catalogue(path, language, contexts)

    print("%d messages per catalogue" % count)
    for context, source in sorted(missing):
        print("no translation: %s / %r" % (context, source))
    if missing and args.check:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

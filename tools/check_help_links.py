#!/usr/bin/env python3
"""Checks the help pages: every link, picture and style sheet a page refers to
resolves to a file in the help folder, and every #fragment to an id of the
page it points into. Also checks what the pages need to be read by anyone: a
language, a title, the declared encoding (UTF-8, as the files are written)
and a text alternative for every picture; and that every Danish page has its
Norwegian counterpart (release notes aside).

With --required-by PROGRAM it also runs PROGRAM, which prints one line
"EDITION LANGUAGE FILE" for every help file a command or help button of the
program can open, and checks that each of those files is in the folder.

Usage: check_help_links.py [HELP_FOLDER] [--required-by PROGRAM]   (default: data/help)
Exit status 1 with one line per fault when anything does not resolve.
"""

import html.parser
import os
import subprocess
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.refs = []  # (tag, attribute, value, line)
        self.ids = set()
        self.lang = None
        self.title = ''
        self._in_title = False
        self.images_without_alt = []
        self.charset = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if 'id' in attrs:
            self.ids.add(attrs['id'])
        if tag == 'a' and 'name' in attrs:
            self.ids.add(attrs['name'])
        if tag == 'meta' and attrs.get('charset'):
            self.charset = attrs['charset'].lower()
        if tag == 'html':
            self.lang = attrs.get('lang')
        if tag == 'title':
            self._in_title = True
        for attribute in ('href', 'src'):
            if attrs.get(attribute) is not None:
                self.refs.append((tag, attribute, attrs[attribute], self.getpos()[0]))
        if tag == 'img' and not (attrs.get('alt') or '').strip():
            self.images_without_alt.append(self.getpos()[0])

    def handle_endtag(self, tag):
        if tag == 'title':
            self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def parse(path):
    page = Page()
    with open(path, encoding='utf-8') as f:
        page.feed(f.read())
    page.close()
    return page


def check(folder):
    faults = []
    pages = {}
    for root, _, files in os.walk(folder):
        for name in files:
            if name.endswith(('.htm', '.html')):
                path = os.path.join(root, name)
                try:
                    pages[os.path.normpath(path)] = parse(path)
                except (UnicodeDecodeError, OSError) as error:
                    faults.append('%s: cannot be read as UTF-8 HTML: %s' % (path, error))
    if not pages:
        faults.append('%s: no help pages' % folder)

    for path, page in sorted(pages.items()):
        if not page.lang:
            faults.append('%s: no lang attribute on <html>' % path)
        if page.charset != 'utf-8':
            faults.append('%s: does not declare <meta charset="utf-8">' % path)
        if not page.title.strip():
            faults.append('%s: no title' % path)
        for line in page.images_without_alt:
            faults.append('%s:%d: a picture without alt text' % (path, line))
        for tag, attribute, value, line in page.refs:
            where = '%s:%d: <%s %s="%s">' % (path, line, tag, attribute, value)
            url = urllib.parse.urlsplit(value)
            if url.scheme or url.netloc:
                # Pages are read offline from the installation: no outside addresses.
                faults.append(where + ' points outside the help folder')
                continue
            target = path
            if url.path:
                if url.path.startswith('/'):
                    faults.append(where + ' is an absolute path')
                    continue
                target = os.path.normpath(os.path.join(os.path.dirname(path), urllib.parse.unquote(url.path)))
                if not os.path.realpath(target).startswith(os.path.realpath(folder) + os.sep):
                    faults.append(where + ' leaves the help folder')
                    continue
                if not os.path.isfile(target):
                    faults.append(where + ' does not exist')
                    continue
            if url.fragment:
                if target not in pages:
                    faults.append(where + ' has a fragment but does not point to a page')
                elif url.fragment not in pages[target].ids:
                    faults.append(where + ' names no id of its page')
    for path in sorted(pages):
        name = os.path.basename(path)
        if name.endswith('.dk.htm') and not name.startswith('releasenotes.'):
            norwegian = path[:-len('.dk.htm')] + '.no.htm'
            if norwegian not in pages:
                faults.append('%s: no Norwegian page %s' % (path, os.path.basename(norwegian)))
    return faults, len(pages)


def check_required(folder, program):
    """The files the program can open that the folder lacks, one fault each."""
    result = subprocess.run([program], capture_output=True, text=True)
    if result.returncode != 0:
        return ['%s failed (%d): %s' % (program, result.returncode, result.stderr.strip())]
    faults = []
    wanted = {}
    for line in result.stdout.splitlines():
        edition, language, name = line.split(' ', 2)
        wanted.setdefault(name, []).append('%s/%s' % (edition, language))
    if not wanted:
        faults.append('%s names no help files' % program)
    for name, users in sorted(wanted.items()):
        if not os.path.isfile(os.path.join(folder, name)):
            faults.append('%s: opened in edition/language %s but missing' % (os.path.join(folder, name), ', '.join(users)))
    return faults


def main():
    args = sys.argv[1:]
    program = None
    if '--required-by' in args:
        at = args.index('--required-by')
        program = args[at + 1]
        del args[at:at + 2]
    folder = args[0] if args else os.path.join(os.path.dirname(__file__), '..', 'data', 'help')
    folder = os.path.normpath(folder)
    faults, count = check(folder)
    if program:
        faults += check_required(folder, program)
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print('%d pages, every reference resolves' % count)
    return 0


if __name__ == '__main__':
    sys.exit(main())

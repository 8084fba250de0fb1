#!/usr/bin/env python3
"""Makes the Debian package from the build (cpack on the build folder, which
compiles nothing that is built already) into a temporary folder and checks
it: its control fields, its file list with owners, modes and links, and the
files the desktop reads, with the ecosystem's own validators
(desktop-file-validate, appstreamcli validate --no-net, update-mime-database)
and against one another: every desktop entry's command, icon and file type is
in the package, the file types know each edition's demo databases, and the
software centre's entry names the desktop entries and this version.

Skipped (exit 77) where dpkg-deb or one of the validators is missing.

Usage: package_test.py BUILD_FOLDER CPACK VERSION
"""

import configparser
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIPPED = 77
EDITIONS = {
    # edition: (its demo database's file, the tag in its header line)
    'ostrana': ('db/DemoDBStd/OstranaStdDemoDatabase.dk.db', 'INB'),
    'vistrel': ('db/DemoDBCinvaro/Cinvaro.dk.db', 'IMA'),
    'numivax': ('db/DemoDBNumivax/DemoDBNumivax.dk.txt', 'COI'),
    'quorvel': ('db/DemoQuorvel/DemoQuorvel.dk.db', 'INV'),
}
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
METAINFO = 'usr/share/metainfo/dk.taldrum.larkspan.metainfo.xml'
MIME = 'usr/share/mime/packages/larkspan.xml'
MIME_NS = '{http://www.freedesktop.org/standards/shared-mime-info}'

faults = []


def fault(text):
    faults.append(text)
    print('FAIL: ' + text, flush=True)


def expect(condition, text):
    if not condition:
        fault(text)
    return condition


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def control_fields(deb):
    """The control file's fields; a continued field keeps its lines."""
    fields = {}
    key = None
    for line in run(['dpkg-deb', '-f', deb]).stdout.splitlines():
        if line.startswith(' ') and key:
            fields[key] += '\n' + line
        elif ':' in line:
            key, value = line.split(':', 1)
            fields[key] = value.strip()
    return fields


def check_control(fields, version, arch):
    expect(fields.get('Package') == 'larkspan', 'Package: %s' % fields.get('Package'))
    expect(fields.get('Version') == version, 'Version: %s, not %s' % (fields.get('Version'), version))
    expect(fields.get('Architecture') == arch, 'Architecture: %s, not %s' % (fields.get('Architecture'), arch))
    expect(re.fullmatch(r'[^<>]+ <[^@<>\s]+@[^@<>\s]+\.[a-z]+>', fields.get('Maintainer', '')),
           'Maintainer is no name and address: %s' % fields.get('Maintainer'))
    for key in ('Section', 'Priority', 'Homepage', 'Installed-Size'):
        expect(fields.get(key), 'no %s field' % key)
    # The dependencies that dpkg-shlibdeps found in the program, and the
    # platform plugins that no library names.
    depends = [d.strip().split(' ')[0] for d in re.split(r'[,|]', fields.get('Depends', ''))]
    for package in ('libc6', 'libqt6core6', 'libqt6gui6', 'libqt6widgets6', 'libzint2.11', 'qt6-qpa-plugins'):
        expect(package in depends, 'Depends lacks %s: %s' % (package, fields.get('Depends')))
    lines = fields.get('Description', '').split('\n')
    synopsis = lines[0]
    expect(synopsis and len(synopsis) <= 80 and not synopsis.endswith('.'), 'synopsis: %r' % synopsis)
    long_lines = lines[1:]
    expect(len(long_lines) >= 3, 'no long description')
    for line in long_lines:
        expect(line.startswith(' ') and len(line) <= 80 and line.strip(), 'description line %r' % line)
    expect(' .' in long_lines, 'the long description has no paragraphs')


def listing(deb):
    """path -> (mode text, owner, link target or None)"""
    entries = {}
    for line in run(['dpkg-deb', '-c', deb]).stdout.splitlines():
        parts = line.split(None, 5)
        if len(parts) < 6:
            continue
        mode, owner, name = parts[0], parts[1], parts[5]
        target = None
        if ' -> ' in name:
            name, target = name.split(' -> ', 1)
        entries[name.rstrip('/').lstrip('.').lstrip('/')] = (mode, owner, target)
    return entries


def check_listing(entries):
    required = ['usr/lib/larkspan/larkspan', 'usr/share/doc/larkspan/copyright',
                'usr/share/doc/larkspan/changelog.gz', 'usr/share/man/man1/larkspan.1.gz', METAINFO, MIME,
                'usr/lib/larkspan/help/larkspan.css', 'usr/lib/larkspan/Setup/PrinterDevice.txt']
    required += ['usr/lib/larkspan/larkspan_%s.qm' % language for language in ('dk', 'no', 'en')]
    for edition, (demo, tag) in EDITIONS.items():
        required += ['usr/bin/' + edition, 'usr/lib/larkspan/' + demo,
                     'usr/share/applications/larkspan-%s.desktop' % edition,
                     'usr/share/icons/hicolor/scalable/apps/larkspan-%s.svg' % edition]
        required += ['usr/share/icons/hicolor/%dx%d/apps/larkspan-%s.png' % (size, size, edition) for size in ICON_SIZES]
        expect(entries.get('usr/lib/larkspan/' + edition, (None, None, None))[2] == 'larkspan',
               'usr/lib/larkspan/%s is no link to the program' % edition)
        expect(entries.get('usr/share/man/man1/%s.1.gz' % edition, (None, None, None))[2] == 'larkspan.1.gz',
               'no manual page link for %s' % edition)
    for path in required:
        expect(path in entries, 'not in the package: ' + path)
    # The record of a cmake --install is no package's: dpkg keeps its own.
    expect('usr/share/larkspan/installed.txt' not in entries, 'the package holds the installation record')
    for path, (mode, owner, target) in entries.items():
        expect(path in ('', 'usr') or path.startswith('usr/'), 'outside /usr: ' + path)
        expect(owner == 'root/root', '%s belongs to %s' % (path, owner))
        if mode.startswith('d'):
            expect(mode == 'drwxr-xr-x', '%s is %s' % (path, mode))
        elif mode.startswith('-'):
            executable = path.startswith('usr/bin/') or path == 'usr/lib/larkspan/larkspan'
            expect(mode == ('-rwxr-xr-x' if executable else '-rw-r--r--'), '%s is %s' % (path, mode))
        for part in ('_CPack_Packages', '.gitattributes', '.keep'):
            expect(part not in path, 'not for the package: ' + path)


def desktop_entry(path):
    parser = configparser.RawConfigParser(interpolation=None, delimiters=('=',))
    parser.optionxform = str
    parser.read(path, encoding='utf-8')
    return dict(parser['Desktop Entry']) if parser.has_section('Desktop Entry') else {}


def mime_types(root):
    """type -> (globs, [(offset range, value)] of its innermost matches)"""
    types = {}
    for element in ET.parse(os.path.join(root, MIME)).getroot().iter(MIME_NS + 'mime-type'):
        globs = [g.get('pattern') for g in element.iter(MIME_NS + 'glob')]
        rules = []
        for magic in element.iter(MIME_NS + 'magic'):
            for outer in magic.findall(MIME_NS + 'match'):
                for inner in outer.findall(MIME_NS + 'match'):
                    rules.append((outer.get('offset'), outer.get('value'), inner.get('offset'), inner.get('value')))
        types[element.get('type')] = (globs, rules)
    return types


def magic_matches(rules, data):
    def at(offset, value):
        first, _, last = offset.partition(':')
        last = last or first
        return any(data[start:start + len(value)] == value.encode() for start in range(int(first), int(last) + 1))
    return any(at(o1, v1) and o2 is not None and at(o2, v2) for o1, v1, o2, v2 in rules)


def check_files(root, version, entries):
    types = mime_types(root)
    for edition, (demo, tag) in EDITIONS.items():
        path = os.path.join(root, 'usr/share/applications/larkspan-%s.desktop' % edition)
        result = run(['desktop-file-validate', path])
        expect(result.returncode == 0 and not result.stdout.strip(),
               'desktop-file-validate %s:\n%s%s' % (os.path.basename(path), result.stdout, result.stderr))
        entry = desktop_entry(path)
        expect(entry.get('Exec') == '/usr/bin/%s %%f' % edition, '%s: Exec=%s' % (edition, entry.get('Exec')))
        expect(entry.get('Icon') == 'larkspan-' + edition, '%s: Icon=%s' % (edition, entry.get('Icon')))
        for key in ('Name', 'GenericName', 'Comment'):
            for language in ('da', 'nb'):
                expect(entry.get('%s[%s]' % (key, language)), '%s: no %s[%s]' % (edition, key, language))
        expect(entry.get('GenericName[da]') != entry.get('GenericName'), '%s: GenericName[da] is not Danish' % edition)
        declared = [t for t in entry.get('MimeType', '').split(';') if t]
        expect(declared == ['application/x-larkspan-' + edition], '%s: MimeType=%s' % (edition, entry.get('MimeType')))
        # The edition's own type knows its demo database, and no other does.
        with open(os.path.join(root, 'usr/lib/larkspan', demo), 'rb') as f:
            head = f.read(256)
        for name, (globs, rules) in types.items():
            own = name == 'application/x-larkspan-' + edition
            expect(magic_matches(rules, head) == own,
                   '%s %s the header of %s' % (name, 'does not know' if own else 'claims', demo))
    for name, (globs, rules) in types.items():
        expect(globs == ['*.inb'], '%s: globs %s (.db and .txt belong to other programs too)' % (name, globs))

    # The validator of the shared MIME database, on a copy.
    mime = tempfile.mkdtemp()
    try:
        shutil.copytree(os.path.join(root, 'usr/share/mime/packages'), os.path.join(mime, 'packages'))
        result = run(['update-mime-database', '-V', mime])
        expect(result.returncode == 0 and 'rror' not in result.stderr + result.stdout
               and 'arning' not in result.stderr + result.stdout,
               'update-mime-database:\n' + result.stdout + result.stderr)
        for edition in EDITIONS:
            expect(os.path.isfile(os.path.join(mime, 'application', 'x-larkspan-%s.xml' % edition)),
                   'update-mime-database made no type for ' + edition)
    finally:
        shutil.rmtree(mime)

    metainfo = os.path.join(root, METAINFO)
    result = run(['appstreamcli', 'validate', '--no-net', '--pedantic', metainfo])
    expect(result.returncode == 0 and 'W:' not in result.stdout and 'E:' not in result.stdout,
           'appstreamcli validate:\n' + result.stdout + result.stderr)
    component = ET.parse(metainfo).getroot()
    launchables = sorted(l.text for l in component.iter('launchable'))
    expect(launchables == sorted('larkspan-%s.desktop' % e for e in EDITIONS), 'launchables: %s' % launchables)
    for launchable in launchables:
        expect('usr/share/applications/' + launchable in entries, 'launchable %s is not in the package' % launchable)
    mediatypes = sorted(m.text for m in component.iter('mediatype'))
    expect(mediatypes == sorted(types), 'mediatypes %s, file types %s' % (mediatypes, sorted(types)))
    binaries = sorted(b.text for b in component.iter('binary'))
    expect(binaries == sorted(EDITIONS), 'binaries: %s' % binaries)
    releases = [r.get('version') for r in component.iter('release')]
    expect(releases[:1] == [version], 'newest release %s, not %s' % (releases[:1], version))
    expect(len(list(component.iter('screenshot'))) == len(EDITIONS), 'not a screenshot per edition')
    expect(component.find('content_rating') is not None, 'no content rating')

    with gzip.open(os.path.join(root, 'usr/share/man/man1/larkspan.1.gz'), 'rt', encoding='utf-8') as f:
        page = f.read()
    expect(page.startswith('.TH LARKSPAN 1 ') and '"Larkspan %s"' % version in page, 'manual page heading: %s' % page[:80])
    for section in ('NAME', 'SYNOPSIS', 'DESCRIPTION', 'FILES'):
        expect('\n.SH %s\n' % section in page, 'manual page without ' + section)
    for edition in EDITIONS:
        expect('\\fB%s\\fR [\\fIfile\\fR]' % edition in page, 'manual page: no synopsis of ' + edition)
    with gzip.open(os.path.join(root, 'usr/share/doc/larkspan/changelog.gz'), 'rt', encoding='utf-8') as f:
        first = f.readline()
    expect(first.startswith('larkspan (%s) ' % version), 'changelog starts with %r' % first)


def main():
    build, cpack, version = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
    missing = [tool for tool in ('dpkg-deb', 'dpkg-shlibdeps', 'desktop-file-validate', 'appstreamcli',
                                 'update-mime-database') if shutil.which(tool) is None]
    if missing:
        print('SKIPPED: the Debian package is not made or checked here: %s missing '
              '(scripts/setup-debian.sh installs them)' % ', '.join(missing))
        return SKIPPED
    arch = run(['dpkg', '--print-architecture']).stdout.strip()
    with tempfile.TemporaryDirectory() as scratch:
        made = run([cpack, '-G', 'DEB', '--config', os.path.join(build, 'CPackConfig.cmake'), '-B', scratch],
                   cwd=build)
        deb = os.path.join(scratch, 'larkspan_%s_%s.deb' % (version, arch))
        if not expect(made.returncode == 0 and os.path.isfile(deb), 'cpack made no %s:\n%s%s'
                      % (os.path.basename(deb), made.stdout, made.stderr)):
            return 1
        check_control(control_fields(deb), version, arch)
        entries = listing(deb)
        check_listing(entries)
        root = os.path.join(scratch, 'root')
        result = run(['dpkg-deb', '-x', deb, root])
        if expect(result.returncode == 0, 'dpkg-deb -x: ' + result.stderr):
            check_files(root, version, entries)
    if faults:
        return 1
    print('made and checked larkspan_%s_%s.deb' % (version, arch))
    return 0


if __name__ == '__main__':
    sys.exit(main())

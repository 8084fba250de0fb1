#!/usr/bin/env python3
"""Installs the build into a temporary prefix, checks what the installation
holds, starts each edition the way its desktop entry does from another
folder, and checks that it opened its demo database in a working folder of
the user's own, with copies of db/, Work/ and Setup/ that the user may change
although the installed files are read-only. Then installs again, as an update
that brings other label templates, and checks that the user's files are kept;
opens a register named on the command line relative to the folder the
launcher is started in; checks that a working folder of an earlier version, with Setup/ linked, gets
its copy. Finally uninstalls and checks that nothing of the installation is
left behind, while what was in the prefix before stays.

Usage: install_test.py BUILD_FOLDER CMAKE
"""

import os
import shlex
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

EDITIONS = [
    # name, demo folder, demo database (Danish)
    ('ostrana', 'DemoDBStd', 'OstranaStdDemoDatabase.dk.db'),
    ('vistrel', 'DemoDBCinvaro', 'Cinvaro.dk.db'),
    ('numivax', 'DemoDBNumivax', 'DemoDBNumivax.dk.txt'),
    ('quorvel', 'DemoQuorvel', 'DemoQuorvel.dk.db'),
]

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
SETUP_FILES = ('PrinterDevice.txt', 'BarcodeFormatFile.txt', 'BarcodeFormatLocationFile.txt')
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

faults = []


def fault(text):
    faults.append(text)
    print('FAIL: ' + text, flush=True)


def expect(condition, text):
    if not condition:
        fault(text)
    return condition


def install(build, cmake, prefix):
    # A component of its own, so the manifest is install_manifest_Unspecified.txt
    # and a real installation's install_manifest.txt is left alone.
    result = subprocess.run([cmake, '--install', build, '--prefix', prefix, '--component', 'Unspecified'],
                            capture_output=True, text=True)
    if result.returncode != 0:
        fault('cmake --install failed:\n' + result.stdout + result.stderr)
        return None
    with open(os.path.join(build, 'install_manifest_Unspecified.txt')) as f:
        return [line for line in f.read().splitlines() if line]


def set_writable(top, writable):
    """chmod -R a-w top, or u+w back."""
    for root, dirs, files in os.walk(top):
        for name in [root] + [os.path.join(root, f) for f in files]:
            if os.path.islink(name):
                continue
            mode = os.lstat(name).st_mode
            if writable:
                mode |= stat.S_IWUSR
            else:
                mode &= ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH)
            os.chmod(name, mode)


def read(path):
    with open(path, encoding='latin-1') as f:
        return f.read()


def write(path, text):
    with open(path, 'w', encoding='latin-1') as f:
        f.write(text)


def check_layout(prefix, manifest, others):
    program = os.path.join(prefix, 'lib', 'larkspan')
    expect(os.access(os.path.join(program, 'larkspan'), os.X_OK), 'no program in the program folder')
    for catalogue in ('larkspan_dk.qm', 'larkspan_no.qm', 'larkspan_en.qm'):
        expect(os.path.isfile(os.path.join(program, catalogue)), 'catalogue %s missing' % catalogue)
    for folder in ('db', 'help', 'Setup', 'Work'):
        expect(os.path.isdir(os.path.join(program, folder)), 'folder %s missing' % folder)
    expect(os.path.isfile(os.path.join(program, 'help', 'larkspan.css')), 'help pages missing')
    for name, demo, database in EDITIONS:
        expect(os.path.isfile(os.path.join(program, 'db', demo, database)), 'demo database %s missing' % database)
        expect(os.access(os.path.join(program, name), os.X_OK), 'edition name %s missing' % name)
        expect(os.access(os.path.join(prefix, 'bin', name), os.X_OK), 'launcher bin/%s missing' % name)
        icons = os.path.join(prefix, 'share', 'icons', 'hicolor')
        for size in ICON_SIZES:
            icon = os.path.join(icons, '%dx%d' % (size, size), 'apps', 'larkspan-%s.png' % name)
            if expect(os.path.isfile(icon), '%dx%d icon of %s missing' % (size, size, name)):
                expect(png_size(icon) == (size, size), '%s is %s' % (icon, png_size(icon)))
        svg = os.path.join(icons, 'scalable', 'apps', 'larkspan-%s.svg' % name)
        expect(os.path.isfile(svg) and '<svg' in read(svg), 'scalable icon of %s missing' % name)
        entry = desktop_entry(prefix, name)
        if expect(entry is not None, 'desktop entry of %s missing' % name):
            expect(shlex.split(entry.get('Exec', '')) == [os.path.join(prefix, 'bin', name), '%f'], '%s: Exec=%s' % (name, entry.get('Exec')))
            expect(entry.get('MimeType') == 'application/x-larkspan-%s;' % name, '%s: MimeType=%s' % (name, entry.get('MimeType')))
            expect(entry.get('Path') == program, '%s: Path=%s' % (name, entry.get('Path')))
            expect(entry.get('Icon') == 'larkspan-' + name, '%s: Icon=%s' % (name, entry.get('Icon')))
            expect(entry.get('Type') == 'Application', '%s: Type=%s' % (name, entry.get('Type')))

    # Everything installed is in the manifest and in the installation's own
    # record, so an uninstall removes it all.
    installed = set(files_under(prefix)) - set(others)
    unlisted = sorted(installed - set(manifest))
    expect(not unlisted, 'installed but not in the manifest: %s' % unlisted[:5])
    record = os.path.join(prefix, 'share', 'larkspan', 'installed.txt')
    if expect(os.path.isfile(record), 'no record of the installation'):
        recorded = set(os.path.join(prefix, line[5:]) for line in read(record).splitlines() if line.startswith('file '))
        unrecorded = sorted(installed - recorded)
        expect(not unrecorded, 'installed but not in the record: %s' % unrecorded[:5])


def files_under(top):
    """Files and links under top."""
    found = []
    for root, dirs, files in os.walk(top):
        found += [os.path.join(root, name) for name in files + [d for d in dirs if os.path.islink(os.path.join(root, d))]]
    return found


def paths_under(top):
    """Everything under top, folders too, relative to it."""
    found = set()
    for root, dirs, files in os.walk(top):
        found |= set(os.path.relpath(os.path.join(root, name), top) for name in dirs + files)
    return found


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        return None
    return int.from_bytes(head[16:20], 'big'), int.from_bytes(head[20:24], 'big')


def desktop_entry(prefix, name):
    path = os.path.join(prefix, 'share', 'applications', 'larkspan-%s.desktop' % name)
    if not os.path.isfile(path):
        return None
    entry = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            if '=' in line and not line.startswith('#'):
                key, value = line.rstrip('\n').split('=', 1)
                entry[key] = value
    return entry


def start(prefix, name, demo, database, home, elsewhere, files=()):
    """Starts the edition as its desktop entry does, with the files in place
    of its %f, and checks that it opened database (which its event log names
    when it opens it)."""
    entry = desktop_entry(prefix, name) or {}
    command = []
    for word in shlex.split(entry.get('Exec', os.path.join(prefix, 'bin', name))):
        command += list(files) if word == '%f' else [word]
    env = dict(os.environ)
    env.update({
        'HOME': home,
        'XDG_CONFIG_HOME': os.path.join(home, 'config'),
        'XDG_DATA_HOME': os.path.join(home, 'data'),
        'XDG_CACHE_HOME': os.path.join(home, 'cache'),
        'QT_QPA_PLATFORM': 'offscreen',
        'DEBUGTALDRUM': '1',
    })
    work = os.path.join(home, 'data', 'Taldrum', 'Larkspan')
    log = os.path.join(work, 'db', demo, 'log.xml')
    # The log of an earlier start would tell of that start's opening.
    if os.path.lexists(log):
        os.remove(log)
    child = subprocess.Popen(command, cwd=elsewhere, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    opened = False
    deadline = time.time() + 30
    while time.time() < deadline and child.poll() is None:
        if os.path.isfile(log):
            with open(log, encoding='latin-1') as f:
                if database in f.read():
                    opened = True
                    break
        time.sleep(0.2)
    time.sleep(0.5)
    running = child.poll() is None
    if running:
        child.send_signal(signal.SIGTERM)
    try:
        output = child.communicate(timeout=20)[0].decode('utf-8', 'replace')
    except subprocess.TimeoutExpired:
        child.kill()
        output = child.communicate()[0].decode('utf-8', 'replace')
        fault('%s did not end on SIGTERM' % name)
    if expect(opened and running, '%s did not open its demo database %s:\n%s' % (name, database, output)):
        expect(child.returncode == 0, '%s ended with %s' % (name, child.returncode))
    program_db = os.path.join(prefix, 'lib', 'larkspan', 'db', demo)
    expect(not os.path.exists(os.path.join(program_db, 'log.xml'))
           and not os.path.exists(os.path.join(program_db, 'LockFile')),
           '%s wrote into the installed program folder' % name)
    expect(os.path.islink(os.path.join(work, 'help')), 'the installed help pages are not linked')
    check_own_copies(work)


def check_own_copies(work):
    """db/, Work/ and Setup/ in the working folder are real folders of real
    files, all writable for the user."""
    for folder in ('db', 'Work', 'Setup'):
        top = os.path.join(work, folder)
        if not expect(os.path.isdir(top) and not os.path.islink(top), '%s/ is not the user\'s own folder' % folder):
            continue
        for root, dirs, files in os.walk(top):
            for name in [root] + [os.path.join(root, f) for f in files + dirs]:
                if not expect(not os.path.islink(name), '%s is a link' % name):
                    continue
                expect(os.lstat(name).st_mode & stat.S_IWUSR, '%s is not writable for the user' % name)
    for name in SETUP_FILES:
        expect(os.path.isfile(os.path.join(work, 'Setup', name)), 'Setup/%s missing in the working folder' % name)


def update(build, cmake, prefix, home, elsewhere):
    """The user changes the printer device file and removes a template; an
    update replaces the installed Setup/ files and brings a new one. The next
    start keeps the user's files and copies in what the user lacks."""
    setup = os.path.join(home, 'data', 'Taldrum', 'Larkspan', 'Setup')
    installed_setup = os.path.join(prefix, 'lib', 'larkspan', 'Setup')
    template = read(os.path.join(setup, 'BarcodeFormatFile.txt'))
    write(os.path.join(setup, 'PrinterDevice.txt'), 'my label printer\n')
    os.remove(os.path.join(setup, 'BarcodeFormatLocationFile.txt'))

    set_writable(prefix, True)
    for name in SETUP_FILES:
        write(os.path.join(installed_setup, name), 'replaced by the installation\n')
    manifest = install(build, cmake, prefix)
    expect(read(os.path.join(installed_setup, 'PrinterDevice.txt')) == read(os.path.join(SOURCE, 'data', 'Setup', 'PrinterDevice.txt')),
           'the second installation did not replace the installed printer device file')
    # The new version's templates.
    write(os.path.join(installed_setup, 'BarcodeFormatFile.txt'), '^XA^FDnew template^FS^XZ\n')
    write(os.path.join(installed_setup, 'NewFormatFile.txt'), '^XA^XZ\n')
    set_writable(prefix, False)

    start(prefix, 'quorvel', 'DemoQuorvel', 'DemoQuorvel.dk.db', home, elsewhere)
    expect(read(os.path.join(setup, 'PrinterDevice.txt')) == 'my label printer\n',
           "the update replaced the user's printer device file")
    expect(read(os.path.join(setup, 'BarcodeFormatFile.txt')) == template, "the update replaced the user's label template")
    expect(read(os.path.join(setup, 'BarcodeFormatLocationFile.txt')) == read(os.path.join(installed_setup, 'BarcodeFormatLocationFile.txt')),
           'a removed template was not copied in again')
    expect(os.path.isfile(os.path.join(setup, 'NewFormatFile.txt')), "the update's new template was not copied in")

    set_writable(prefix, True)
    # Not this build's file, so no record lists it.
    os.remove(os.path.join(installed_setup, 'NewFormatFile.txt'))
    return manifest


def earlier_version(prefix, home, elsewhere):
    """A working folder as an earlier version left it, with Setup/ linked to
    the installed folder, gets a copy of its own."""
    work = os.path.join(home, 'data', 'Taldrum', 'Larkspan')
    os.makedirs(work)
    os.symlink(os.path.join(prefix, 'lib', 'larkspan', 'Setup'), os.path.join(work, 'Setup'))
    start(prefix, 'quorvel', 'DemoQuorvel', 'DemoQuorvel.dk.db', home, elsewhere)


def uninstall(prefix, before):
    """Removes the installation; what was there before stays."""
    result = subprocess.run(['sh', os.path.join(SOURCE, 'scripts', 'uninstall.sh'), prefix], capture_output=True, text=True)
    expect(result.returncode == 0, 'uninstall failed:\n' + result.stdout + result.stderr)
    if before is None:
        expect(not os.path.lexists(prefix), 'left after the uninstall: %s' % sorted(paths_under(prefix))[:5])
    else:
        left = sorted(paths_under(prefix) - before)
        expect(not left, 'left after the uninstall: %s' % left[:5])
        gone = sorted(before - paths_under(prefix))
        expect(not gone, 'the uninstall removed what was there before: %s' % gone[:5])


def main():
    build, cmake = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        prefix = os.path.join(scratch, 'prefix with blank')
        try:
            run(build, cmake, scratch, prefix)
        finally:
            if os.path.isdir(prefix):
                set_writable(prefix, True)
    if faults:
        return 1
    print('installed, started, updated and uninstalled')
    return 0


def run(build, cmake, scratch, prefix):
    # Another program's file, and an icon folder of the desktop's theme that is
    # empty: both stay when Larkspan goes.
    others = [os.path.join(prefix, 'bin', 'other-program')]
    os.makedirs(os.path.join(prefix, 'bin'))
    write(others[0], '')
    os.makedirs(os.path.join(prefix, 'share', 'icons', 'hicolor', '48x48', 'apps'))
    before = paths_under(prefix)

    manifest = install(build, cmake, prefix)
    if manifest is None:
        return
    check_layout(prefix, manifest, others)
    set_writable(prefix, False)
    home = os.path.join(scratch, 'home')
    elsewhere = os.path.join(scratch, 'elsewhere')
    os.makedirs(elsewhere)
    for name, demo, database in EDITIONS:
        start(prefix, name, demo, database, home, elsewhere)
    # A second start keeps the user's own databases.
    own = os.path.join(home, 'data', 'Taldrum', 'Larkspan', 'db', 'DemoDBStd', 'mine.db')
    write(own, 'mine')
    start(prefix, 'ostrana', 'DemoDBStd', 'OstranaStdDemoDatabase.dk.db', home, elsewhere)
    expect(os.path.isfile(own), "a second start lost the user's own database")

    manifest = update(build, cmake, prefix, home, elsewhere)
    if manifest is None:
        return
    expect(os.path.isfile(own), "the update lost the user's own database")
    # A register named on the command line, relative to the folder the
    # launcher is started in, as a file manager or a shell names it.
    shutil.copytree(os.path.join(prefix, 'lib', 'larkspan', 'db', 'DemoDBStd'), os.path.join(elsewhere, 'my registers'))
    set_writable(os.path.join(elsewhere, 'my registers'), True)
    register = os.path.join(elsewhere, 'my registers', 'OstranaStdDemoDatabase.en.db')
    start(prefix, 'ostrana', 'DemoDBStd', register, home, elsewhere, files=['my registers/OstranaStdDemoDatabase.en.db'])
    earlier_version(prefix, os.path.join(scratch, 'home of an earlier version'), elsewhere)

    set_writable(prefix, True)
    uninstall(prefix, before)
    # An installation that made the prefix takes it away again.
    fresh = os.path.join(scratch, 'fresh', 'prefix')
    if install(build, cmake, fresh) is not None:
        uninstall(fresh, None)
    expect(os.path.isdir(os.path.join(scratch, 'fresh')), 'the uninstall removed the folder above the prefix')


if __name__ == '__main__':
    sys.exit(main())

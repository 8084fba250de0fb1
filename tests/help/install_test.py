#!/usr/bin/env python3
"""Installs the build into a temporary prefix, checks what the installation
holds, starts each edition the way its desktop entry does from another
folder, and checks that it opened its demo database in a working folder of
the user's own. Finally removes everything the install manifest lists and
checks that nothing is left behind.

Usage: install_test.py BUILD_FOLDER CMAKE
"""

import os
import shlex
import signal
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


def check_layout(prefix, manifest):
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
        icon = os.path.join(prefix, 'share', 'icons', 'hicolor', '32x32', 'apps', 'larkspan-%s.png' % name)
        expect(os.path.isfile(icon), 'icon of %s missing' % name)
        entry = desktop_entry(prefix, name)
        if expect(entry is not None, 'desktop entry of %s missing' % name):
            expect(shlex.split(entry.get('Exec', '')) == [os.path.join(prefix, 'bin', name)], '%s: Exec=%s' % (name, entry.get('Exec')))
            expect(entry.get('Path') == program, '%s: Path=%s' % (name, entry.get('Path')))
            expect(entry.get('Icon') == 'larkspan-' + name, '%s: Icon=%s' % (name, entry.get('Icon')))
            expect(entry.get('Type') == 'Application', '%s: Type=%s' % (name, entry.get('Type')))

    # Everything installed is in the manifest, so an uninstall removes it all.
    installed = set()
    for root, dirs, files in os.walk(prefix):
        for name in files + [d for d in dirs if os.path.islink(os.path.join(root, d))]:
            installed.add(os.path.join(root, name))
    unlisted = sorted(installed - set(manifest))
    expect(not unlisted, 'installed but not in the manifest: %s' % unlisted[:5])


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


def start(prefix, name, demo, database, home, elsewhere):
    entry = desktop_entry(prefix, name) or {}
    command = shlex.split(entry.get('Exec', os.path.join(prefix, 'bin', name)))
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
    expect(not os.path.islink(os.path.join(work, 'db')), "the user's databases are not their own copy")
    expect(os.path.islink(os.path.join(work, 'help')), 'the installed help pages are not linked')


def uninstall(prefix, manifest):
    for path in manifest:
        if os.path.lexists(path):
            os.remove(path)
    left = [os.path.join(root, f) for root, _, files in os.walk(prefix) for f in files]
    expect(not left, 'left after removing the manifest: %s' % left[:5])


def main():
    build, cmake = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        prefix = os.path.join(scratch, 'prefix with blank')
        manifest = install(build, cmake, prefix)
        if manifest is None:
            return 1
        check_layout(prefix, manifest)
        home = os.path.join(scratch, 'home')
        elsewhere = os.path.join(scratch, 'elsewhere')
        os.makedirs(elsewhere)
        for name, demo, database in EDITIONS:
            start(prefix, name, demo, database, home, elsewhere)
        # A second start keeps the user's own databases.
        own = os.path.join(home, 'data', 'Taldrum', 'Larkspan', 'db', 'DemoDBStd', 'mine.db')
        with open(own, 'w') as f:
            f.write('mine')
        start(prefix, 'ostrana', 'DemoDBStd', 'OstranaStdDemoDatabase.dk.db', home, elsewhere)
        expect(os.path.isfile(own), "a second start lost the user's own database")
        uninstall(prefix, manifest)
    if faults:
        return 1
    print('installed, started and uninstalled')
    return 0


if __name__ == '__main__':
    sys.exit(main())

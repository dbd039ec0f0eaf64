#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the build into a scratch prefix, starts the installed program from its desktop
entry under its own Xvfb and D-Bus session, and drives it from outside like a user: xdotool
clicks and types, the accessibility tree is read to see what the windows show.

One Addition session: a right answer on the two-number problem, a wrong one on the
three-number problem, both scores, Save Score under a typed name (Add.txt checked byte for
byte), then Display Scores, an edit, and No to saving it (Add.txt unchanged).

Usage: drive_installed.py BUILD_DIR [ARTEFACT_DIR]. Exits 77 when a tool is missing.
On failure it leaves a screenshot in ARTEFACT_DIR and prints the accessibility tree.
"""
import datetime
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HARD_TIMEOUT = 180  # seconds for the whole run
WAIT = 30  # seconds for any one thing to show up
SKIP = 77

NAME = 'Ada Lovelace'
DESKTOP_ID = 'org.example.Sumbrook'
TWO = 'two-number problem'
THREE = 'three-number problem'
ORDINALS = ('first', 'second', 'third')


class Failure(Exception):
    pass


def poll(condition, what, timeout=WAIT):
    """The first truthy value of condition(), tried until timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the tree changes under us while windows open and close
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure('timed out waiting for ' + what)
        time.sleep(0.05)


class Session:
    def __init__(self, build_dir, artefacts):
        self.build_dir = build_dir
        self.artefacts = artefacts
        self.scratch = tempfile.mkdtemp(prefix='sumbrook-e2e-')
        self.prefix = os.path.join(self.scratch, 'prefix')
        self.work = os.path.join(self.scratch, 'work')
        os.mkdir(self.work)
        self.processes = []
        self.env = dict(os.environ)
        self.app = None

    # Processes

    def start(self, args, **kwargs):
        p = subprocess.Popen(args, **kwargs)
        self.processes.append(p)
        return p

    def stop(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def install(self):
        subprocess.run(['cmake', '--install', self.build_dir, '--prefix', self.prefix],
                       check=True, stdout=subprocess.DEVNULL)
        entry = os.path.join(self.prefix, 'share', 'applications', DESKTOP_ID + '.desktop')
        with open(entry, encoding='utf-8') as f:
            execs = [line[5:].split() for line in f.read().splitlines()
                     if line.startswith('Exec=')]
        if len(execs) != 1:
            raise Failure('the desktop entry has no single Exec line')
        return execs[0]

    def start_display(self):
        read, write = os.pipe()
        self.start(['Xvfb', '-displayfd', str(write), '-screen', '0', '1024x768x24',
                    '-nolisten', 'tcp'], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            raise Failure('Xvfb did not start')
        self.env['DISPLAY'] = ':' + number

    def start_bus(self):
        bus = self.start(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise Failure('dbus-daemon did not start')
        self.env['DBUS_SESSION_BUS_ADDRESS'] = address

    def start_program(self, command):
        runtime = os.path.join(self.scratch, 'runtime')
        os.mkdir(runtime, 0o700)
        env = dict(self.env)
        env.update({
            'PATH': os.path.join(self.prefix, 'bin') + os.pathsep + env.get('PATH', ''),
            'QT_QPA_PLATFORM': 'xcb',
            'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1',
            'XDG_RUNTIME_DIR': runtime,
            'LC_ALL': 'C.UTF-8',  # a decimal point in the percentages
        })
        self.program = self.start(command, cwd=self.work, env=env)

    # Input from outside

    def xdotool(self, *args):
        subprocess.run(['xdotool', *args], env=self.env, check=True)

    def click(self, acc):
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.width <= 0 or e.height <= 0:
            raise Failure('%s %r has no place on screen' % (acc.getRoleName(), acc.name))
        self.xdotool('mousemove', '--sync', str(e.x + e.width // 2), str(e.y + e.height // 2),
                     'click', '1')

    def type(self, text):
        self.xdotool('type', '--delay', '20', text)

    def key(self, *keys):
        self.xdotool('key', *keys)

    # The accessibility tree

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'Sumbrook' and app.childCount:
                return app
        return None

    def find(self, role, name=None, root=None, showing=True):
        """Accessibles of a role (and name), depth first, in tree order."""
        found = []

        def walk(acc):
            for child in acc:
                if child is None:
                    continue
                if showing and not child.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                if child.getRole() == role and (name is None or child.name == name):
                    found.append(child)
                walk(child)
        walk(root or self.app)
        return found

    def one(self, role, name, root=None):
        return poll(lambda: (self.find(role, name, root) or [None])[0],
                    '%s %r' % (role, name))

    def choose(self, menu, item):
        self.click(self.one(pyatspi.ROLE_MENU_ITEM, menu))
        self.click(self.one(pyatspi.ROLE_MENU_ITEM, item))

    def dump(self, acc=None, depth=0):
        acc = acc or self.app
        try:
            e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            where = ' (%d,%d %dx%d)' % (e.x, e.y, e.width, e.height)
        except Exception:
            where = ''
        print('%s%s %r %r%s' % ('  ' * depth, acc.getRoleName(), acc.name, acc.description, where))
        for child in acc:
            if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
                self.dump(child, depth + 1)

    def screenshot(self, name):
        os.makedirs(self.artefacts, exist_ok=True)
        path = os.path.join(self.artefacts, name)
        subprocess.run(['import', '-window', 'root', path], env=self.env, check=False)
        return path


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def operands(s, window):
    """The tiles of both problems, found by the descriptions a screen reader hears, their
    numbers read from their names."""
    described = {acc.description: acc for acc in s.find(pyatspi.ROLE_LABEL, root=window)}
    two = [described.get('%s number of the %s' % (o, TWO)) for o in ORDINALS[:2]]
    three = [described.get('%s number of the %s' % (o, THREE)) for o in ORDINALS]
    if not (all(two) and all(three)):
        return None
    return [int(a.name) for a in two], [int(a.name) for a in three]


def answer_boxes(s, window, two, three):
    """The boxes as a screen reader names them: by their problems."""
    return (s.one(pyatspi.ROLE_TEXT, ' plus '.join(map(str, two)), window),
            s.one(pyatspi.ROLE_TEXT, ' plus '.join(map(str, three)), window))


def enabled(acc):
    return acc.getState().contains(pyatspi.STATE_ENABLED)


def run(s):
    command = s.install()
    s.start_display()
    s.start_bus()
    global pyatspi
    import pyatspi  # connects to the session bus in the environment set above
    os.environ.update(s.env)
    s.start_program(command)
    s.app = poll(s.application, 'the program on the accessibility bus')
    main = s.one(pyatspi.ROLE_FRAME, 'Sumbrook', s.app)
    # With no window manager to maximise it, the window is sized as a user would drag it.
    window_id = poll(lambda: subprocess.run(
        ['xdotool', 'search', '--onlyvisible', '--pid', str(s.program.pid)], env=s.env,
        capture_output=True, text=True).stdout.split(), 'the main window on the display')[0]
    s.xdotool('windowsize', window_id, '1024', '768')
    poll(lambda: main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width == 1024,
         'the main window to take the whole screen')

    s.choose('Sumbrook', 'Addition')
    window = s.one(pyatspi.ROLE_FRAME, 'Addition')
    two, three = poll(lambda: operands(s, window), 'the five operand tiles by their descriptions')
    box2, box3 = answer_boxes(s, window, two, three)
    resets = [s.one(pyatspi.ROLE_PUSH_BUTTON, 'Reset, %s numbers' % n, window)
              for n in ('two', 'three')]
    scores = [s.one(pyatspi.ROLE_PUSH_BUTTON, 'Score, %s numbers' % n, window)
              for n in ('two', 'three')]
    if any(enabled(r) for r in resets):
        raise Failure('a Reset button is enabled before any answer')

    s.click(box2)
    s.type(str(sum(two)))
    s.key('Return')
    poll(lambda: enabled(resets[0]), 'the two-number problem to take its answer')
    s.click(box3)
    wrong = sum(three) + 1
    s.type(str(wrong))
    s.key('Return')
    poll(lambda: enabled(resets[1]), 'the three-number problem to take its answer')
    # A wrong answer hides the box and shows the right sum in its place.
    poll(lambda: s.find(pyatspi.ROLE_LABEL, str(sum(three)), window),
         'the correct three-number sum on show')

    for button in scores:
        s.click(button)
    s.one(pyatspi.ROLE_LABEL, '100.00%', window)
    s.one(pyatspi.ROLE_LABEL, '0.00%', window)

    s.choose('Score', 'Save Score')
    box = s.one(pyatspi.ROLE_DIALOG, 'Math Score')
    entry = poll(lambda: s.find(pyatspi.ROLE_TEXT, root=box), 'the name field')[0]
    s.click(entry)
    s.type(NAME)
    poll(lambda: text_of(entry) == NAME, 'the typed name')
    s.key('Return')
    scores_file = os.path.join(s.work, 'Add.txt')
    poll(lambda: not s.find(pyatspi.ROLE_DIALOG, 'Math Score'), 'the name box to close')
    saved = poll(lambda: os.path.exists(scores_file) and open(scores_file, 'rb').read(),
                 'Add.txt')
    # The day is read while saving; accept the one before too for a run across midnight.
    expected = [('"%s On the Day of %s Got A 100.00%% Out of 1 Questions on ADD 2 and '
                 '0.00%% out of 1 Questions on ADD 3\r\n"\r\n' %
                 (NAME, day.strftime('%m/%d/%y'))).encode('cp1252')
                for day in (datetime.date.today(), datetime.date.today() -
                            datetime.timedelta(days=1))]
    if saved not in expected:
        raise Failure('Add.txt holds %r, expected %r' % (saved, expected[0]))
    poll(lambda: not s.find(pyatspi.ROLE_LABEL, '100.00%', window),
         'the percentages to clear after saving')

    s.choose('Score', 'Display Scores')
    viewer = s.one(pyatspi.ROLE_FRAME, 'Math Scores: Addition')
    text = poll(lambda: s.find(pyatspi.ROLE_TEXT, root=viewer), 'the score text')[0]
    shown = saved.decode('cp1252').replace('\r\n', '\n')
    poll(lambda: text_of(text).replace('\r\n', '\n') == shown, 'the viewer to show Add.txt')
    s.click(text)
    s.key('End')
    s.type('x')
    poll(lambda: 'x' in text_of(text), 'the typed character in the viewer')

    # The maximised viewer's close button sits at the right end of the menu bar; it is not in
    # the accessibility tree, so it is clicked where it is drawn.
    bar = s.find(pyatspi.ROLE_MENU_BAR)[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    s.xdotool('mousemove', '--sync', str(bar.x + bar.width - 11), str(bar.y + bar.height // 2),
              'click', '1')
    question = poll(lambda: (s.find(pyatspi.ROLE_ALERT, 'Math  Scores') +
                             s.find(pyatspi.ROLE_DIALOG, 'Math  Scores'))[0],
                    'the question box "Math  Scores"')
    if not s.find(pyatspi.ROLE_LABEL, 'Do You Want to Save Changes?', question):
        raise Failure('the closing question is not "Do You Want to Save Changes?"')
    s.click(s.one(pyatspi.ROLE_PUSH_BUTTON, 'No', question))
    poll(lambda: not s.find(pyatspi.ROLE_FRAME, 'Math Scores: Addition'), 'the viewer to close')
    if open(scores_file, 'rb').read() != saved:
        raise Failure('Add.txt changed although the edit was not saved')
    if s.program.poll() is not None:
        raise Failure('the program ended with %s' % s.program.returncode)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build_dir = os.path.abspath(sys.argv[1])
    artefacts = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else '.')
    missing = [tool for tool in ('Xvfb', 'xdotool', 'dbus-daemon', 'cmake')
               if not shutil.which(tool)]
    # Only looked for here: importing it connects to whatever bus the environment names.
    if importlib.util.find_spec('pyatspi') is None:
        missing.append('python3-pyatspi')
    if missing:
        print('SKIP: not installed: ' + ', '.join(missing))
        sys.exit(SKIP)

    def out_of_time(signum, frame):
        raise Failure('the run took longer than %d s' % HARD_TIMEOUT)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(HARD_TIMEOUT)

    started = time.monotonic()
    s = Session(build_dir, artefacts)
    try:
        run(s)
        signal.alarm(0)
        print('passed in %.1f s' % (time.monotonic() - started))
    except Exception as e:
        signal.alarm(0)
        print('FAILED: %s' % e)
        if 'DISPLAY' in s.env:
            print('screenshot: ' + s.screenshot('e2e-failure.png'))
        if s.app is not None:
            try:
                s.dump()
            except Exception as dump_error:
                print('no accessibility tree: %s' % dump_error)
        sys.exit(1)
    finally:
        s.stop()


if __name__ == '__main__':
    main()

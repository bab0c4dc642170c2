"""Kolva on a real desktop, met as its user and a screen reader meet it.

The desktop is the one a CTest fixture started for the tests that share it
(session.sh): its X server, D-Bus session bus and home folder, whose
environment this module takes before anything connects. Input goes through
xdotool, the clipboard through xclip, window properties through xprop; the
accessibility bus is read through pyatspi, as Orca reads it.
"""

import os
import subprocess
import time
from pathlib import Path

# The session's environment first: the libraries below connect to its
# display and buses.
HOME = Path(os.environ["KOLVA_DESKTOP_SESSION"])
for setting in (HOME / "environment").read_text().splitlines():
    name, _, value = setting.partition("=")
    os.environ[name] = value

import gi

gi.require_version("Atspi", "2.0")
gi.require_version("Gdk", "3.0")
from gi.repository import Atspi, Gdk, GLib
import pyatspi

KOLVA = os.environ["KOLVA_PROGRAM"]
QT = tuple(int(part) for part in os.environ["KOLVA_QT_VERSION"].split("."))
# From Qt 6.5 a list offers its chosen entry to readers as a selection; from
# 6.8 a program can make announcements.
LISTS_OFFER_THEIR_ENTRY = QT >= (6, 5)
ANNOUNCES = QT >= (6, 8)

# Points of Kolva's window, relative to its client area: a point of the
# banner, where only the background picture lies, and one of the note line,
# which takes no clicks of its own.
BANNER = (200, 40)
NOTE_LINE = (150, 88)

# Time for the program to take each input event before the next one.
INPUT_PAUSE = 0.015


def plus(point, offset):
    return (point[0] + offset[0], point[1] + offset[1])


def settled(read, expected, timeout=5):
    """What read() gives once it gives `expected`, or what it gives when
    `timeout` seconds have passed: a program takes real input in its own time."""
    deadline = time.monotonic() + timeout
    value = read()
    while value != expected and time.monotonic() < deadline:
        time.sleep(0.02)
        value = read()
    return value


def start(arguments, environment=None, log="programs.log"):
    """A program started with the session's environment and `environment`
    besides, its output appended to `log` in the home folder."""
    with open(HOME / log, "ab") as output:
        return subprocess.Popen(arguments, env={**os.environ, **(environment or {})},
                                stdout=output, stderr=subprocess.STDOUT)


def stop(process):
    process.terminate()
    try:
        process.wait(2)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def exit_status(process, timeout):
    """The program's exit status once it has ended within `timeout`; None
    while it runs."""
    try:
        return process.wait(timeout)
    except subprocess.TimeoutExpired:
        return None


def output_of(*arguments):
    return subprocess.run([str(a) for a in arguments], capture_output=True, text=True,
                          check=False).stdout


# Real input, as a user's mouse and keyboard give it.

def xdotool(*arguments):
    output_of("xdotool", *arguments)
    time.sleep(INPUT_PAUSE)


def move_pointer(to):
    xdotool("mousemove", *to)


def drag_pointer(start_at, end_at, steps=6):
    """In steps relative to where the pointer is, which move it as a mouse
    does; xdotool places it at a point by warping it there, which some
    compositors do not follow during a move."""
    moves = []
    was = start_at
    for step in range(1, steps + 1):
        now = (start_at[0] + (end_at[0] - start_at[0]) * step // steps,
               start_at[1] + (end_at[1] - start_at[1]) * step // steps)
        moves += ["mousemove_relative", "--", now[0] - was[0], now[1] - was[1],
                  "sleep", INPUT_PAUSE]
        was = now
    xdotool(*moves)


def press(button):
    xdotool("mousedown", button)


def release(button):
    xdotool("mouseup", button)


def click(at, button=1):
    move_pointer(at)
    press(button)
    release(button)


def drag(start_at, end_at, button):
    move_pointer(start_at)
    press(button)
    drag_pointer(start_at, end_at)
    release(button)


def tap_key(key, held=None):
    """Presses and releases a key by its X name ("Tab", "q"), with the key
    named `held` ("Control_L", "Insert") held down if given."""
    xdotool("key", f"{held}+{key}" if held else key)


def focus(window):
    """Gives `window` the keyboard, as a window manager does when it is clicked."""
    xdotool("windowfocus", window)


def clipboard_text():
    return output_of("timeout", "2", "xclip", "-o", "-selection", "clipboard")


# What the X server knows of windows.

def window_of(pid, timeout=10):
    """The mapped window of the program with process id `pid`."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = output_of("xdotool", "search", "--onlyvisible", "--pid", pid).split()
        if found:
            return int(found[0])
        time.sleep(0.025)
    raise AssertionError(f"process {pid} shows no window")


def position_of(window):
    """The top-left corner of `window`'s client area on the screen."""
    geometry = dict(line.split("=") for line in
                    output_of("xdotool", "getwindowgeometry", "--shell", window).split())
    return (int(geometry["X"]), int(geometry["Y"]))


def numbers(window, name):
    """The values of a window property made of 32-bit numbers (_NET_WM_ICON)."""
    values = output_of("xprop", "-notype", "-id", window, "32c", name).partition("=")[2]
    return [int(value) for value in values.split(",") if value.strip()]


class Screenshot:
    """The whole screen, as 0xRRGGBB pixels."""

    def __init__(self):
        root = Gdk.get_default_root_window()
        shot = Gdk.pixbuf_get_from_window(root, 0, 0, root.get_width(), root.get_height())
        self.width, self.height = shot.get_width(), shot.get_height()
        self.channels, self.stride = shot.get_n_channels(), shot.get_rowstride()
        self.bytes = shot.get_pixels()

    def pixel(self, x, y):
        at = y * self.stride + x * self.channels
        return self.bytes[at:at + 3]


class WindowManager:
    """openbox, for as long as the `with` block lasts. It claims the screen
    well before it takes the first window's request to be shown, which a
    window made in between never sees answered; so it counts as started once
    it runs the command that it runs when it has started."""

    def __enter__(self):
        ready = HOME / "openbox-ready"
        ready.unlink(missing_ok=True)
        self.process = start(["openbox", "--sm-disable", "--startup", f"touch {ready}"],
                             log="openbox.log")
        if not settled(ready.exists, True, timeout=20):
            raise AssertionError("openbox did not start; see openbox.log")
        return self

    def __exit__(self, *_):
        stop(self.process)


# The accessibility bus, as a screen reader reads it.

# Replies may be slow while the machine is busy with other tests; the
# library's own limit (800 ms) would then fail a call that was on its way.
Atspi.set_timeout(10000, 30000)
# Starts the accessibility bus and its registry before any program looks for them.
pyatspi.Registry.getDesktop(0)


def pump_events():
    """Lets the library deliver what has come in over the bus."""
    while GLib.MainContext.default().iteration(False):
        pass


def application(pid, timeout=10):
    """The application of process `pid`, once it has joined the bus."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump_events()
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.05)
    raise AssertionError("the application never joined the accessibility bus")


def has_state(accessible, state):
    return accessible.getState().contains(state)


def find_all(accessible, matches):
    """Every object in sight below `accessible` that `matches`, depth first.
    What is out of sight, such as a closed list's popup and its entries
    (which Qt 6.8 makes at once), is not searched, as a reader's review skips it."""
    found = []
    for child in accessible:
        if child is None or not has_state(child, pyatspi.STATE_SHOWING):
            continue
        if matches(child):
            found.append(child)
        found += find_all(child, matches)
    return found


def find(accessible, matches, what):
    found = find_all(accessible, matches)
    if not found:
        raise AssertionError(f"a screen reader finds no {what}")
    return found[0]


def centre(accessible):
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (extents.x + extents.width // 2, extents.y + extents.height // 2)


def labelled_by(accessible):
    """The names of the objects that label `accessible`."""
    return [relation.getTarget(i).name for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def do_action(accessible, name):
    """Does the action named `name`, as a screen reader's user may ask it to."""
    actions = accessible.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            actions.doAction(i)
            return
    raise AssertionError(f"{accessible.name} offers no action {name}")


class EventLog:
    """The events of the given types that a reader is sent while the `with`
    block lasts, as (type, name of the object it is about when it came)."""

    def __init__(self, *types):
        self.types = types
        self.events = []

    def __enter__(self):
        for kind in self.types:
            pyatspi.Registry.registerEventListener(self.collect, kind)
        return self

    def __exit__(self, *_):
        for kind in self.types:
            pyatspi.Registry.deregisterEventListener(self.collect, kind)

    def collect(self, event):
        self.events.append((str(event.type), event.source.name if event.source else ""))

    def listen(self, duration):
        """Takes in what arrives for `duration` seconds."""
        deadline = time.monotonic() + duration
        while time.monotonic() < deadline:
            pump_events()
            time.sleep(0.01)
        pump_events()

    def wait_for(self, matches, timeout):
        """Takes in events until one matches, or `timeout` seconds pass."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            pump_events()
            if any(matches(event) for event in self.events):
                return True
            time.sleep(0.01)
        return False


class Kolva:
    """Kolva started on the desktop and found as its user finds it: its window
    on the screen and its objects on the accessibility bus. Ended with the
    `with` block."""

    def __init__(self):
        self.process = start([KOLVA], {"QT_QPA_PLATFORM": "xcb",
                                       "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}, "kolva.log")
        self.window = window_of(self.process.pid)
        self.app = application(self.process.pid)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        stop(self.process)

    def at(self, point):
        """A point of the window, given relative to its client area."""
        return plus(position_of(self.window), point)

    def list(self, purpose):
        """A list, by what it chooses ("Processor model")."""
        return find(self.app, lambda a: a.getRoleName() == "combo box"
                    and a.description == purpose, f'list described as "{purpose}"')

    def check_box(self, caption):
        return find(self.app, lambda a: a.getRoleName() == "check box" and a.name == caption,
                    f'check box "{caption}"')

    def label(self, prefix):
        """The label whose name starts with `prefix`."""
        return find(self.app, lambda a: a.getRoleName() == "label" and a.name.startswith(prefix),
                    f'label starting "{prefix}"')

    def help_line(self):
        """The help line, which readers know as the window's status bar."""
        return find(self.app, lambda a: a.getRoleName() == "status bar", "help line")

    def focused(self):
        return find(self.app, lambda a: has_state(a, pyatspi.STATE_FOCUSED),
                    "object with the keyboard focus")

    def pick_with_pointer(self, purpose, entry):
        """Opens a list with the pointer and clicks its entry `entry`, which
        must be in sight without scrolling."""
        combo = self.list(purpose)
        click(centre(combo))
        # The open list is the list's child, its entries the list's items.
        item = find(combo, lambda a: a.getRoleName() == "list item" and a.name == entry,
                    f'entry "{entry}" in the open list "{purpose}"')
        if not settled(lambda: has_state(item, pyatspi.STATE_SHOWING), True):
            raise AssertionError(f'entry "{entry}" is not in sight in the open list')
        click(centre(item))

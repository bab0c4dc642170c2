"""The Wayland compositors a user meets, GNOME's (mutter) and the reference
one (weston), each of the test's own and nested on its X display, where
xdotool drives it and screenshots read it. Its output is smaller than the
screen, so the pointer can leave it."""

import itertools
import os
import time

from desktop import HOME, Screenshot, move_pointer, start, stop

OUTPUT_WIDTH, OUTPUT_HEIGHT = 800, 700
# A point outside the compositor's output: a nested compositor takes the
# pointer's place as it is only when the pointer enters its window, so the
# pointer goes there and back before each action.
OUTSIDE = (OUTPUT_WIDTH + 100, OUTPUT_HEIGHT + 30)


SOCKETS = itertools.count()


def painted(before):
    """The screen once the compositor has painted its output over `before`:
    it has changed, and then stays the same for a while."""
    last, still = before, 0
    for _ in range(100):
        if still >= 8:
            break
        time.sleep(0.1)
        now = Screenshot()
        still = still + 1 if now.bytes == last.bytes and now.bytes != before.bytes else 0
        last = now
    return last


class NestedCompositor:
    """A compositor for as long as the `with` block lasts."""

    def __init__(self, name):
        self.name = name
        # The socket is this compositor's own: the desktop outlives it.
        self.socket = f"kolva-{name}-{os.getpid()}-{next(SOCKETS)}"

    def __enter__(self):
        size = f"--width={OUTPUT_WIDTH}", f"--height={OUTPUT_HEIGHT}"
        commands = {
            "Mutter": (["mutter", "--wayland", "--nested", "--no-x11",
                        f"--wayland-display={self.socket}"],
                       {"MUTTER_DEBUG_DUMMY_MODE_SPECS": f"{OUTPUT_WIDTH}x{OUTPUT_HEIGHT}"}),
            "Weston": (["weston", "--backend=x11-backend.so", "--use-pixman", *size,
                        f"--socket={self.socket}", "--no-config", "--idle-time=0"], {}),
        }
        move_pointer(OUTSIDE)
        before = Screenshot()
        self.process = start(*commands[self.name], f"{self.socket}.log")
        socket = HOME / "runtime" / self.socket
        for _ in range(200):
            if socket.exists():
                break
            time.sleep(0.025)
        if self.process.poll() is not None or not socket.exists():
            raise AssertionError(f"{self.name} did not start; see {self.socket}.log")
        self.empty = painted(before)
        return self

    def __exit__(self, *_):
        stop(self.process)

    def client_environment(self):
        # A GNOME session names its desktop; the reference compositor has none.
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.socket, "DISPLAY": "",
                "XDG_CURRENT_DESKTOP": "GNOME" if self.name == "Mutter" else ""}

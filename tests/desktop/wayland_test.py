"""Kolva on Wayland desktops: GNOME's compositor and the reference one, each
nested on the test's X display and driven by real input. A Wayland client
cannot learn where its window stands, so the test finds the window in
screenshots of the compositor's output."""

import time
import unittest

from compositors import OUTSIDE, NestedCompositor
from desktop import (BANNER, KOLVA, NOTE_LINE, Screenshot, application, click, drag_pointer,
                     exit_status, find, move_pointer, plus, press, release, settled, start,
                     stop, tap_key)

# The "56k Modem" box in the window.
MODEM_BOX = (279, 120)
# A row or column of the screen with this many pixels changed crosses the
# window; the compositor's pointer changes far fewer.
WINDOW_CROSSING = 200
# A compositor may paint its background again a shade apart.
SHADE = 8


def differ(a, b):
    return abs(a[0] - b[0]) > SHADE or abs(a[1] - b[1]) > SHADE or abs(a[2] - b[2]) > SHADE


class KolvaOnWayland:
    """Kolva started as a client of a nested compositor, while the `with`
    block lasts."""

    def __init__(self, compositor):
        self.compositor = compositor

    def __enter__(self):
        self.process = start([KOLVA], {**self.compositor.client_environment(),
                                       "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}, "kolva.log")
        if not settled(lambda: self.position() is not None, True, 10):
            stop(self.process)
            raise AssertionError("Kolva's window did not appear under Wayland")
        return self

    def __exit__(self, *_):
        stop(self.process)

    def position(self):
        """The top-left corner of the window on the screen, if it is in sight."""
        now, empty = Screenshot(), self.compositor.empty

        def changed(x, y):
            return differ(now.pixel(x, y), empty.pixel(x, y))

        # Rows the same as on the empty screen, byte for byte, are passed over.
        rows = [y for y in range(now.height) if now.bytes[y * now.stride:(y + 1) * now.stride]
                != empty.bytes[y * now.stride:(y + 1) * now.stride]]
        top = next((y for y in rows
                    if sum(changed(x, y) for x in range(now.width)) >= WINDOW_CROSSING), None)
        left = next((x for x in range(now.width)
                     if sum(changed(x, y) for y in rows) >= WINDOW_CROSSING), None)
        return None if top is None or left is None else (left, top)

    def resting_position(self):
        """Where the window stands once two looks a moment apart agree."""
        last = None
        for _ in range(20):
            time.sleep(0.15)
            now = self.position()
            if now is not None and now == last:
                return now
            last = now
        return last or (-1, -1)

    def enter(self, in_window):
        """Brings the pointer into the compositor's window from outside, to a
        point of Kolva's window."""
        target = plus(self.resting_position(), in_window)
        move_pointer(OUTSIDE)
        drag_pointer(OUTSIDE, target)
        return target


class Wayland(unittest.TestCase):
    def test_moves_the_window_until_the_button_is_released_or_not_at_all(self):
        # Mutter ends a move only when its own buttons are released, so there
        # only the left button drags. Each compositor serves its three drags.
        for name, moves in [("Mutter", (True, False, False)), ("Weston", (True, True, True))]:
            with NestedCompositor(name) as compositor:
                self.drags_with_each_button(compositor, moves)

    def drags_with_each_button(self, compositor, moves):
        for button in (1, 2, 3):
            with self.subTest(compositor=compositor.name, button=button), \
                    KolvaOnWayland(compositor) as kolva:
                start_at = kolva.resting_position()
                grip = kolva.enter(BANNER)
                press(button)
                # As a hand does, and so that a busy machine has Kolva ask for
                # the move while the button is still down.
                time.sleep(0.3)
                drag_pointer(grip, plus(grip, (60, 45)))
                release(button)
                # Once the button is up, the pointer moves on alone.
                drag_pointer(plus(grip, (60, 45)), plus(grip, (100, 90)))
                expected = plus(start_at, (60, 45)) if moves[button - 1] else start_at
                self.assertEqual(kolva.resting_position(), expected,
                                 f"the window started at {start_at}")

    def test_takes_clicks_and_keys_and_closes_only_with_ctrl_q(self):
        for name in ("Mutter", "Weston"):
            with self.subTest(compositor=name), NestedCompositor(name) as compositor, \
                    KolvaOnWayland(compositor) as kolva:
                app = application(kolva.process.pid)

                def stock():
                    return find(app, lambda a: a.name.startswith("Stock Speeds:"),
                                "the stock figure").name

                click(kolva.enter(MODEM_BOX))
                self.assertEqual(settled(stock, "Stock Speeds: 39"), "Stock Speeds: 39")

                kolva.enter(NOTE_LINE)
                tap_key("Escape")
                time.sleep(0.5)
                self.assertIsNone(kolva.process.poll(), "Escape closed Kolva")
                tap_key("q", "Control_L")
                self.assertEqual(exit_status(kolva.process, 5), 0,
                                 "Ctrl+Q did not end Kolva well")


if __name__ == "__main__":
    unittest.main()

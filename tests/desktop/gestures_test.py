"""The window's own gestures as a user makes them on a real X server, with and
without a window manager: dragging by the background with any button,
closing, and the keys that must and must not close it."""

import contextlib
import time
import unittest

import pyatspi

from desktop import (BANNER, NOTE_LINE, Kolva, WindowManager, centre, click, drag,
                     drag_pointer, exit_status, find, has_state, plus, position_of, settled,
                     tap_key)

# The middle of the QUIT picture.
QUIT = (375, 534)


def waited_position(window, where, timeout=3):
    return settled(lambda: position_of(window), where, timeout)


class Drag(unittest.TestCase):
    def test_moves_the_window_with_the_pointer_until_the_button_is_released(self):
        for manager in (contextlib.nullcontext, WindowManager):
            for button in (1, 2, 3):
                with self.subTest(manager=manager.__name__, button=button), manager(), \
                        Kolva() as kolva:
                    start = kolva.at((0, 0))
                    grip = plus(start, BANNER)
                    drag(grip, plus(grip, (60, 45)), button)
                    moved = plus(start, (60, 45))
                    self.assertEqual(waited_position(kolva.window, moved), moved,
                                     f"the window started at {start}")

                    # Once the button is up, the pointer moves on alone.
                    drag_pointer(plus(grip, (60, 45)), plus(grip, (100, 90)))
                    time.sleep(0.3)
                    self.assertEqual(position_of(kolva.window), moved)
                    self.assertIsNone(kolva.process.poll())


class Gestures(unittest.TestCase):
    def test_a_press_right_after_a_click_still_drags(self):
        with Kolva() as kolva:
            start = kolva.at((0, 0))
            grip = plus(start, BANNER)
            click(grip)
            # Within the double-click interval.
            drag(grip, plus(grip, (50, 30)), 1)
            self.assertEqual(waited_position(kolva.window, plus(start, (50, 30))),
                             plus(start, (50, 30)))

    def test_control_q_ends_the_program(self):
        with Kolva() as kolva:
            click(kolva.at(NOTE_LINE))
            tap_key("q", "Control_L")
            self.assertEqual(exit_status(kolva.process, 5), 0)

    def test_the_quit_picture_ends_the_program(self):
        with Kolva() as kolva:
            click(kolva.at(QUIT))
            self.assertEqual(exit_status(kolva.process, 5), 0)

    def test_escape_never_closes_the_program(self):
        with Kolva() as kolva:
            click(kolva.at(NOTE_LINE))
            tap_key("Escape")
            time.sleep(0.5)
            self.assertIsNone(kolva.process.poll(), "Escape closed Kolva")

    def test_escape_closes_an_open_list_but_not_the_program(self):
        with Kolva() as kolva:
            processor = find(kolva.app, lambda a: a.getRoleName() == "combo box", "list")
            click(centre(processor))
            self.assertEqual(processor.childCount, 1, "the open list is not the list's child")
            entries = processor[0]

            def showing():
                return has_state(entries, pyatspi.STATE_SHOWING)

            self.assertTrue(settled(showing, True), "the list did not open")
            tap_key("Escape")
            self.assertFalse(settled(showing, False), "Escape left the list open")

            tap_key("Escape")
            time.sleep(0.5)
            self.assertIsNone(kolva.process.poll(), "Escape closed Kolva")

    def test_tab_follows_the_designed_order_and_skips_disabled_lists(self):
        with Kolva() as kolva:
            click(kolva.at(NOTE_LINE))
            # Lists by what they choose, check boxes by their captions.
            expected = ["Processor model", "Number of processors", "Memory type",
                        "Number of memory sticks", "Graphics card model",
                        "Number of graphics cards", "12V Pump", "TEC watts", "Optical drive 1",
                        "Optical drive 2", "USB Enabled", "1394 Enabled", "56k Modem",
                        "Network Card", "Sound Card", "Audio Front Panel", "SCSI Card",
                        "TV Tuner", "Number of additional PCI cards", "Number of system fans",
                        "Number of case lights", "Number of card readers",
                        "Number of floppy, Zip and tape drives", "Number of hard drives",
                        "Processor model"]

            def focus():
                focused = kolva.focused()
                return focused.description if focused.getRoleName() == "combo box" \
                    else focused.name

            visited = [settled(focus, expected[0])]
            for stop in expected[1:]:
                tap_key("Tab")
                visited.append(settled(focus, stop))
            self.assertEqual(visited, expected)


if __name__ == "__main__":
    unittest.main()

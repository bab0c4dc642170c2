"""Kolva's window as the desktop around it sees it."""

import os
import unittest

from desktop import (HOME, Kolva, centre, click, clipboard_text, numbers, settled, start, stop,
                     tap_key)


def icons_by_size(values):
    """Task bars and window switchers show the icons of _NET_WM_ICON: width,
    height, then width x height pixels as 0xAARRGGBB, for each size the
    window offers. Each icon by its size, its pixels row by row."""
    icons = {}
    at = 0
    while at + 2 <= len(values):
        width, height = values[at], values[at + 1]
        assert width == height, "a square icon"
        icons[width] = values[at + 2:at + 2 + width * height]
        at += 2 + width * height
    return icons


class Window(unittest.TestCase):
    def test_offers_kolvas_own_icon_to_task_bars(self):
        with Kolva() as kolva:
            icons = icons_by_size(numbers(kolva.window, "_NET_WM_ICON"))
            # The sizes the build compiles the window's icon in at.
            for size in map(int, os.environ["KOLVA_WINDOW_ICON_SIZES"].split(",")):
                self.assertIn(size, icons)
            # Drawn, not blank: the middle of the icon is the blue of its disc.
            pixel = icons[48][24 * 48 + 12]
            self.assertGreater(pixel & 0xFF, (pixel >> 16) & 0xFF, hex(pixel))

    # Ctrl+C puts the machine and its estimate on the clipboard, where another
    # program reads it as plain text; started again, Kolva takes the machine
    # back with Ctrl+V from another program's clipboard, out of a forum post.
    def test_copies_the_machine_for_other_programs_and_pastes_it_back(self):
        with Kolva() as kolva:
            kolva.pick_with_pointer("Processor model", "Pentium 4 Prescott")
            kolva.pick_with_pointer("Number of processors", "2")
            click(centre(kolva.check_box("Sound Card")))

            def stock():
                return kolva.label("Stock Speeds:").name

            self.assertEqual(settled(stock, "Stock Speeds: 220"), "Stock Speeds: 220")
            tap_key("c", "Control_L")
            expected = ("Kolva power supply estimate\n"
                        "CPU: 2 × Pentium 4 Prescott (2 × 89 W = 178 W)\n"
                        "Ticked: Sound Card (7 W)\n"
                        "Overhead: 35 W\n"
                        "Stock Speeds: 220 Watts\n"
                        "Mild Overclock: 231 Watts (220 × 1.05)\n"
                        "Heavy Overclock: 242 Watts (220 × 1.1)\n")
            self.assertEqual(settled(clipboard_text, expected), expected)

            tap_key("n", "Control_L")
            self.assertEqual(settled(stock, "Stock Speeds: 0"), "Stock Speeds: 0")
            pasted = HOME / "pasted.txt"
            # As a forum post quotes it.
            offered = "Hi all, my build:\n\n[quote=Ann]\n" + expected + "[/quote]\nThanks!\n"
            pasted.write_text(offered)
            xclip = start(["xclip", "-quiet", "-selection", "clipboard", "-i", pasted],
                          log="xclip.log")
            try:
                self.assertEqual(settled(clipboard_text, offered), offered)
                tap_key("v", "Control_L")
                self.assertEqual(settled(stock, "Stock Speeds: 220"), "Stock Speeds: 220")
            finally:
                stop(xclip)


if __name__ == "__main__":
    unittest.main()

"""What a blind user hears from Kolva: the real Orca screen reader on the
test's desktop, driven from the keyboard alone, its speech read from its log.
Debian 12 pairs Qt 6.4 with Orca 43 and Debian 13 Qt 6.8 with Orca 48; where
Qt 6.4 gives a reader less, the user's way round it is checked."""

import contextlib
import unittest

from desktop import ANNOUNCES, LISTS_OFFER_THEIR_ENTRY, Kolva, focus, tap_key
from orca_reader import OrcaReader

# The entries below "Select From Below" in the processor list, as a reader
# names the list showing each.
FIRST_ENTRIES = ["blank", "====== Intel ======", "blank", "Pentium"]


def starts(said, prefix):
    return any(utterance.startswith(prefix) for utterance in said)


def holds(said, part):
    return any(part in utterance for utterance in said)


class Journey:
    """Kolva with Orca listening, its window then given the keyboard as when
    the user switches to it."""

    def __enter__(self):
        with contextlib.ExitStack() as both:
            self.kolva = both.enter_context(Kolva())
            self.orca = both.enter_context(OrcaReader())
            self.ends = both.pop_all()
        focus(self.kolva.window)
        self.start = self.orca.says()
        return self

    def __exit__(self, *details):
        self.ends.close()

    def press(self, key, held=None, quiet=0.8):
        """What Orca says after one key, pressed with `held` held down if given."""
        tap_key(key, held)
        return self.orca.says(quiet)

    def press_times(self, key, times):
        """What Orca says after the last of `times` presses of `key`."""
        for _ in range(times - 1):
            tap_key(key)
        self.orca.says()
        return self.press(key)


class Orca(unittest.TestCase):
    def test_speaks_each_list_with_its_entry(self):
        with Journey() as journey:
            self.assertTrue(starts(journey.start, "Kolva frame"), journey.start)
            self.assertTrue(starts(journey.start, "Select From Below combo box"), journey.start)
            self.assertIn("Processor model.", journey.start)
            for entry in FIRST_ENTRIES:
                with self.subTest(entry):
                    spoken = entry + " combo box"
                    if LISTS_OFFER_THEIR_ENTRY:
                        said = journey.press("Down")
                        self.assertEqual(len(said), 1, said)
                        self.assertTrue(said[0].startswith(spoken), said)
                    else:
                        # Orca 43 says nothing as a closed list changes;
                        # "where am I" (KP_Enter) reads it with its new entry.
                        tap_key("Down")
                        said = journey.press("KP_Enter")
                        self.assertTrue(starts(said, spoken), said)
            # Opened, walked and closed with Escape: the list is heard with the
            # entry it shows again.
            if LISTS_OFFER_THEIR_ENTRY:
                journey.press("Down", "Alt_L")
                journey.press("Down")
                closed = journey.press("Escape")
                self.assertTrue(holds(closed, "Pentium"), closed)
                self.assertFalse(holds(closed, "Pentium II"), closed)
            # Lists with a caption beside them, TEC (Watts): and Hard Drives:
            # (the last stop), each with its value.
            for stops in (7, 16):
                said = journey.press_times("Tab", stops)
                self.assertTrue(holds(said, "0 combo box"), said)

    def test_tells_the_new_estimate_once_the_user_pauses(self):
        with Journey() as journey:
            said = journey.press_times("Tab", 12)
            self.assertTrue(starts(said, "56k Modem check box"), said)
            ticked = journey.press("space", quiet=1.5)
            if ANNOUNCES:
                self.assertEqual(ticked, ["checked", "Stock Speeds: 39 Watts"])
            else:
                self.assertEqual(ticked, ["checked"])
            # F1 reads Kolva's keys; Escape leaves them for the box again.
            self.assertIn("Keyboard shortcuts:", journey.press("F1"))
            said = journey.press("Escape")
            self.assertTrue(starts(said, "56k Modem check box checked"), said)
            # Shift+F1 moves into how the estimate is made, read as text line
            # by line; Escape leaves it for the box again.
            self.assertIn("How the estimate is made:", journey.press("F1", "Shift_L"))
            said = journey.press("Down")
            self.assertEqual(len(said), 1, said)
            self.assertTrue(said[0].startswith("56k Modem") and said[0].endswith("4 W"), said)
            said = journey.press("Escape")
            self.assertTrue(starts(said, "56k Modem check box checked"), said)
            # Unticked and ticked again within the pause: the estimate is as it was.
            tap_key("space")
            said = journey.press("space", quiet=1.5)
            self.assertFalse(holds(said, "Watts"), said)

            # Flat review, from the window's foot up to the figures' line.
            journey.press("KP_Page_Up", "Insert")
            journey.press("KP_Home")
            self.assertEqual(journey.press("KP_Home"), [
                "Stock Speeds: 39 Watts Mild Overclock: 40 Watts Heavy Overclock: 42 Watts"])

            # Copying and starting again are heard: Qt 6.8 tells both, and
            # starting again brings the focus back to the first list.
            if ANNOUNCES:
                self.assertIn("Estimate copied", journey.press("c", "Control_L"))
            again = journey.press("n", "Control_L", quiet=1.5)
            self.assertTrue(holds(again, "Select From Below combo box"), again)
            if ANNOUNCES:
                self.assertIn("Started again", again)
                self.assertIn("Undone: Start Again", journey.press("z", "Control_L"))
            # The menu opens from the keyboard and reads its first command.
            menu = journey.press("F10", "Shift_L")
            self.assertTrue(holds(menu, "Copy Estimate"), menu)

    def test_reads_the_help_line_as_the_windows_status_bar(self):
        with Journey() as journey:
            said = journey.press("Down")
            self.assertFalse(holds(said, "Central Processing Unit"), said)
            tap_key("KP_Enter", "Insert")
            said = journey.press("KP_Enter", "Insert")
            self.assertTrue(starts(said, "Central Processing Unit status"), said)


if __name__ == "__main__":
    unittest.main()

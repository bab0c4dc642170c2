"""What a screen reader gets from Kolva over the accessibility bus, with the
program on a real X server and the user's picks made with the pointer."""

import unittest

import pyatspi

from desktop import (LISTS_OFFER_THEIR_ENTRY, EventLog, Kolva, centre, click, do_action,
                     exit_status, find, find_all, has_state, labelled_by, settled)

NAME_CHANGED = "object:property-change:accessible-name"

# Each list: what it chooses, as a reader hears it besides the entry, and the
# entry it shows after start-up.
LISTS = [
    ("Processor model", "Select From Below"),
    ("Number of processors", "0"),
    ("Memory type", "Select From Below"),
    ("Number of memory sticks", "0"),
    ("Graphics card model", "Select From Below"),
    ("Number of graphics cards", "0"),
    ("TEC watts", "0"),
    ("Optical drive 1", "Select From Below"),
    ("Optical drive 2", "Select From Below"),
    ("Number of USB devices", "0"),
    ("Number of Firewire devices", "0"),
    ("Number of additional PCI cards", "0"),
    ("Number of system fans", "0"),
    ("Number of case lights", "0"),
    ("Number of card readers", "0"),
    ("Number of floppy, Zip and tape drives", "0"),
    ("Number of hard drives", "0"),
]

CHECK_BOXES = ["12V Pump", "USB Enabled", "1394 Enabled", "56k Modem", "Network Card",
               "Sound Card", "SCSI Card", "Audio Front Panel", "TV Tuner"]


def count_of(events, prefix):
    return sum(1 for kind, name in events if kind == NAME_CHANGED and name.startswith(prefix))


def name_when_settled(find, expected):
    return settled(lambda: find().name, expected)


class ScreenReader(unittest.TestCase):
    def test_hears_every_lists_chosen_entry_and_what_it_is_for(self):
        with Kolva() as kolva:
            lists = find_all(kolva.app, lambda a: a.getRoleName() == "combo box")
            self.assertEqual(len(lists), len(LISTS))
            for purpose, chosen in LISTS:
                with self.subTest(purpose):
                    combo = kolva.list(purpose)
                    self.assertEqual(combo.name, chosen)
                    # The open list is the list's child, one item per entry.
                    self.assertEqual(combo.childCount, 1)
                    self.assertEqual(combo[0].getRoleName(), "list")
                    self.assertGreater(combo[0].childCount, 1)

    def test_hears_a_pick_made_with_the_pointer(self):
        with Kolva() as kolva:
            kolva.pick_with_pointer("Processor model", "Pentium 4 Prescott")
            self.assertEqual(name_when_settled(lambda: kolva.list("Processor model"),
                                               "Pentium 4 Prescott"), "Pentium 4 Prescott")
            kolva.pick_with_pointer("Number of processors", "2")
            self.assertEqual(name_when_settled(lambda: kolva.list("Number of processors"), "2"),
                             "2")
            self.assertEqual(name_when_settled(kolva.help_line, "# of CPU's in system"),
                             "# of CPU's in system")
            # 2 x 89 + 35 = 213; 223.65; 234.3
            self.assertEqual(name_when_settled(lambda: kolva.label("Stock Speeds:"),
                                               "Stock Speeds: 213"), "Stock Speeds: 213")
            self.assertEqual(kolva.label("Heavy Overclock:").name, "Heavy Overclock: 234")

    def test_hears_the_lists_caption_where_it_has_one(self):
        with Kolva() as kolva:
            self.assertIn("CPU", labelled_by(kolva.list("Processor model")))
            if not LISTS_OFFER_THEIR_ENTRY:
                self.skipTest("Qt before 6.5: a caption would hide the list's entry from readers")
            self.assertIn("Hard Drives:", labelled_by(kolva.list("Number of hard drives")))

    def test_hears_every_check_boxs_caption_and_state(self):
        with Kolva() as kolva:
            for caption in CHECK_BOXES:
                self.assertFalse(has_state(kolva.check_box(caption), pyatspi.STATE_CHECKED),
                                 caption)
            click(centre(kolva.check_box("Sound Card")))
            self.assertTrue(settled(lambda: has_state(kolva.check_box("Sound Card"),
                                                      pyatspi.STATE_CHECKED), True))
            self.assertEqual(name_when_settled(lambda: kolva.label("Stock Speeds:"),
                                               "Stock Speeds: 42"), "Stock Speeds: 42")

    def test_toggles_a_check_box_and_the_figures_follow(self):
        with Kolva() as kolva:
            do_action(kolva.check_box("Sound Card"), "Toggle")
            self.assertTrue(settled(lambda: has_state(kolva.check_box("Sound Card"),
                                                      pyatspi.STATE_CHECKED), True))
            self.assertEqual(name_when_settled(lambda: kolva.label("Stock Speeds:"),
                                               "Stock Speeds: 42"), "Stock Speeds: 42")
            self.assertEqual(kolva.help_line().name, "Indicates a Sound Card is present")

    def test_hears_the_figures_with_their_meaning(self):
        with Kolva() as kolva:
            self.assertEqual(kolva.label("Stock Speeds:").name, "Stock Speeds: 0")
            self.assertEqual(kolva.label("Stock Speeds:").description,
                             "Suggested wattage requirement")
            click(centre(kolva.check_box("SCSI Card")))
            self.assertEqual(name_when_settled(lambda: kolva.label("Stock Speeds:"),
                                               "Stock Speeds: 60"), "Stock Speeds: 60")
            self.assertEqual(kolva.label("Mild Overclock:").name, "Mild Overclock: 63")
            self.assertEqual(kolva.label("Heavy Overclock:").name, "Heavy Overclock: 66")

    def test_presses_the_quit_picture_as_a_button(self):
        with Kolva() as kolva:
            quit_button = find(kolva.app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                               and a.name == "Quit", "Quit button")
            do_action(quit_button, "Press")
            self.assertEqual(exit_status(kolva.process, 5), 0)

    def test_is_told_once_when_the_help_line_changes(self):
        with Kolva() as kolva, EventLog(NAME_CHANGED) as log:
            help_text = "Indicates presence of a Small Computer Systems Interface"
            click(centre(kolva.check_box("SCSI Card")))
            self.assertTrue(log.wait_for(lambda event: event[1] == help_text, 5))
            log.listen(0.3)
            self.assertEqual(count_of(log.events, help_text), 1)

    def test_is_told_of_a_figure_only_when_it_changes(self):
        with Kolva() as kolva, EventLog(NAME_CHANGED) as log:
            # Choosing the entry already shown changes the help line, not the figures.
            kolva.pick_with_pointer("Number of processors", "0")
            self.assertTrue(log.wait_for(lambda event: event[1] == "# of CPU's in system", 5))
            log.listen(0.3)
            for figure in ("Stock Speeds:", "Mild Overclock:", "Heavy Overclock:"):
                self.assertEqual(count_of(log.events, figure), 0, figure)

            log.events.clear()
            click(centre(kolva.check_box("Network Card")))
            self.assertTrue(log.wait_for(lambda event: event[1].startswith("Heavy"), 5))
            log.listen(0.3)
            for figure in ("Stock Speeds:", "Mild Overclock:", "Heavy Overclock:"):
                self.assertEqual(count_of(log.events, figure), 1, figure)


if __name__ == "__main__":
    unittest.main()

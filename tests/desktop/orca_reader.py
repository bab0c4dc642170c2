"""What Orca, the screen reader of GNOME and most Linux desktops, says.

Orca runs on the test's desktop with its own settings folder and speaks
through a speech server that makes no sound; what it says is read from its
debug log, where it writes every utterance. Orca will not start while
another Orca of the same user runs (it asks pgrep), the user's own reader or
another test run's included; so it runs in a process namespace of its own,
where it sees no other, wherever the system lets it make one.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

from desktop import HOME, start

ORCA = os.environ["KOLVA_ORCA"]
SETTINGS = os.environ["KOLVA_ORCA_SETTINGS"]
# A namespace of Orca's own for its processes (the user's, mapped to itself,
# where the user is not root), ended with it. Where none can be made, such as
# in a chroot whose root is no mount of its own, Orca runs as any program.
OWN_PROCESSES = ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child"]
if os.geteuid() != 0:
    OWN_PROCESSES[1:1] = ["--user", f"--map-user={os.geteuid()}", f"--map-group={os.getegid()}"]
if subprocess.run(OWN_PROCESSES + ["true"], capture_output=True, check=False).returncode != 0:
    OWN_PROCESSES = []
# How long Orca may take to begin speaking after a key.
FIRST_WORD_WITHIN = 3
# "SPEECH OUTPUT: 'Kolva frame.'{'established': False}": the voice settings
# follow the closing quote in one of a few forms. A message of several lines
# goes on in lines of its own, indented.
OPENING = re.compile(r"SPEECH OUTPUT: '(.*)$")
CLOSING = re.compile(r"^([\s\S]*?)' ?(\[?\{.*)?$")


class OrcaReader:
    """Orca, started and listening, for as long as the `with` block lasts."""

    def __enter__(self):
        # This reader's own files: the desktop outlives it.
        own = Path(tempfile.mkdtemp(prefix="orca-", dir=HOME))
        shutil.copytree(SETTINGS, own / "settings")
        self.log = own / "orca.log"
        self.read_up_to = 0
        self.pending = None
        self.process = start(OWN_PROCESSES + [ORCA, "-u", own / "settings",
                                              f"--debug-file={self.log}"],
                             {"GSETTINGS_BACKEND": "memory"}, own / "output")
        # Orca greets the user before it has asked to be told of every kind
        # of event; what happens in between it never hears. It is ready once
        # it enters its event loop, which its log says (Orca 43 and 48 in
        # their words).
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if any(line.endswith(("ORCA: Starting registry", "ORCA: Starting Atspi main event loop"))
                   for line in self.new_lines()):
                return self
            time.sleep(0.05)
        self.process.kill()
        # Orca says on its output why it would not start, such as another
        # Orca of the same user running.
        raise AssertionError(f"Orca did not start: {(own / 'output').read_text()}")

    def __exit__(self, *_):
        # Orca ignores the polite request to stop.
        self.process.kill()
        self.process.wait()

    def says(self, quiet=0.8):
        """What Orca says from now on, one entry per utterance, once it has
        been silent for `quiet` seconds; nothing if it says nothing within a
        few seconds. A busy machine may keep Orca from its first word for a
        while."""
        said = []
        started = last_word = time.monotonic()
        while (time.monotonic() - started < FIRST_WORD_WITHIN if not said
               else time.monotonic() - last_word < quiet):
            time.sleep(0.05)
            more = self.new_utterances()
            if more:
                said += more
                last_word = time.monotonic()
        return said

    def new_lines(self):
        """The lines of the log written whole since the last read."""
        if not self.log.exists():
            return []
        with open(self.log, "rb") as log:
            log.seek(self.read_up_to)
            text = log.read()
        whole = text[:text.rfind(b"\n") + 1]
        self.read_up_to += len(whole)
        return whole.decode("utf-8", errors="replace").splitlines()

    def new_utterances(self):
        found = []
        for line in self.new_lines():
            if self.pending is not None:
                text = self.pending + "\n" + line.lstrip(" ")
            elif match := OPENING.search(line):
                text = match.group(1)
            else:
                continue
            if match := CLOSING.match(text):
                found.append(match.group(1))
                self.pending = None
            else:
                self.pending = text
        return found

"""Names the test methods of the modules given, one "module.Class.method" a
line, as Python's own test loader finds them, for CTest. The modules are
loaded without the desktop they test on: the modules that join it and the
screen reader at once, desktop and orca_reader, are stood in for."""

import sys
import unittest
from unittest import mock


def test_ids(suite):
    for test in suite:
        if isinstance(test, unittest.TestSuite):
            yield from test_ids(test)
        else:
            yield test.id()


for joining in ("desktop", "orca_reader"):
    sys.modules[joining] = mock.MagicMock()
loader = unittest.TestLoader()
for module in sys.argv[1:]:
    suite = loader.loadTestsFromName(module)
    if loader.errors:
        sys.exit("\n".join(loader.errors))
    print("\n".join(test_ids(suite)))

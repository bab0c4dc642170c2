# Orca's settings under test, loaded from its private settings folder: speech
# goes only to the debug log, which is written line by line so that each
# utterance can be read as soon as it is said; no braille display is looked
# for; typed keys are not echoed, so the log holds only what Kolva causes.
import orca.debug
import orca.settings

if orca.debug.debugFile is not None:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.enableBraille = False
orca.settings.enableBrailleMonitor = False
orca.settings.enableKeyEcho = False
orca.settings.speechServerFactory = "silent_speech"
orca.settings.speechServerInfo = None

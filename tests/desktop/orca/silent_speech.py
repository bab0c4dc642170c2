"""A speech server that makes no sound. Orca writes each utterance to its
debug log before it hands it over, so the log is the record of what it said."""
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["Silent", "silent"]

    def getVoiceFamilies(self):
        return []

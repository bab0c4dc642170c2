"""A speech server that makes no sound. Orca writes each utterance to its
debug log before it hands it over, so the log is the record of what it said.
Orca 43 calls its factory methods by their camelCase names, Orca 48 by their
snake_case ones; both are given."""
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

    get_speech_server = getSpeechServer
    get_info = getInfo
    get_voice_families = getVoiceFamilies

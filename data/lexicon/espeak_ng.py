"""Phonemes of single words from espeak-ng, through its library call (no process per word)."""

import ctypes

_IPA = 0x02
_SEPARATOR = ord("_") << 8
_CHARS_UTF8 = 1
_DONT_EXIT = 0x8000
_AUDIO_OUTPUT_SYNCHRONOUS = 2


class Espeak:
    def __init__(self, voice="en-gb-x-rp"):
        lib = ctypes.CDLL("libespeak-ng.so.1")
        lib.espeak_Initialize.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
        lib.espeak_SetVoiceByName.argtypes = [ctypes.c_char_p]
        lib.espeak_TextToPhonemes.restype = ctypes.c_char_p
        lib.espeak_TextToPhonemes.argtypes = [
            ctypes.POINTER(ctypes.c_char_p), ctypes.c_int, ctypes.c_int]
        if lib.espeak_Initialize(_AUDIO_OUTPUT_SYNCHRONOUS, 0, None, _DONT_EXIT) < 0:
            raise RuntimeError("espeak-ng did not initialise")
        if lib.espeak_SetVoiceByName(voice.encode()) != 0:
            raise RuntimeError(f"espeak-ng has no voice {voice}")
        self._lib = lib

    def phonemes(self, word):
        """The word's IPA phonemes as a list of lists (one per espeak word), e.g. [['d', 'ˈɒ', 'ɡ']]."""
        text = ctypes.c_char_p(word.encode())
        words = []
        while text.value:
            result = self._lib.espeak_TextToPhonemes(ctypes.byref(text), _CHARS_UTF8, _IPA | _SEPARATOR)
            if result:
                for chunk in result.decode().split():
                    words.append([p for p in chunk.split("_") if p])
        return words

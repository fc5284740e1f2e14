"""Vokadlo, Czech text to speech: libvokadlo's C interface in Python, through ctypes.

    import vokadlo
    with vokadlo.Synthesizer(voice="VEMIRa", rate=150, seed=1) as synth:
        samples = synth.synthesize("Dobrý den")       # array('h'): 22050 Hz, mono
        synth.synthesize_to_wav("Dobrý den", "out.wav")
        for event in synth.events("Dobrý \\mrk=1\\ den"):
            print(event.type, event.sample_offset, event.text_offset, event.mark)

Options are those of vokadlo_set_option (see vokadlo.h or vokadlo(3)): keyword arguments of
Synthesizer or set_option(name, value); True and False stand for "on" and "off". The engine is
one per process: a second Synthesizer raises VokadloError until the first is closed.
"""

import array
import bisect
import collections
import ctypes
import ctypes.util
import os
import sys
import tempfile
import wave

__all__ = ["Synthesizer", "Event", "VokadloError", "SAMPLE_RATE", "version"]

_OK, _ERR_STOPPED = 0, 5
_EVENT_TYPES = {1: "word", 2: "mark", 3: "end"}


class VokadloError(Exception):
    """A call of the library failed; the message is the library's, `code` its return code."""

    def __init__(self, message, code=None):
        super().__init__(message)
        self.code = code


# An event of the speech, in stream order: type "word", "mark" or "end"; sample_offset the
# samples before it; text_offset and text_length the characters of the text its chunk came
# from (-1 when unknown); mark the bookmark's name; text the chunk's text as spoken.
Event = collections.namedtuple(
    "Event", "type sample_offset text_offset text_length mark text")


class _Event(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("sample_offset", ctypes.c_uint64),
        ("text_offset", ctypes.c_int64),
        ("text_length", ctypes.c_int64),
        ("mark", ctypes.c_char_p),
        ("text", ctypes.c_char_p),
    ]


_AudioFn = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(ctypes.c_int16), ctypes.c_size_t,
                            ctypes.c_void_p)
_EventFn = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(_Event), ctypes.c_void_p)


def _library_path():
    """$VOKADLO_LIBRARY, else the library installed with this module, else the system's."""
    path = os.environ.get("VOKADLO_LIBRARY")
    if path:
        return path
    try:
        from . import _location
        beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), _location.LIBRARY)
        if os.path.exists(beside):
            return beside
    except ImportError:
        pass
    return ctypes.util.find_library("vokadlo") or "libvokadlo.so.0"


def _load():
    lib = ctypes.CDLL(_library_path())
    lib.vokadlo_version.restype = ctypes.c_char_p
    lib.vokadlo_version.argtypes = []
    lib.vokadlo_sample_rate.restype = ctypes.c_int
    lib.vokadlo_sample_rate.argtypes = []
    lib.vokadlo_new.restype = ctypes.c_void_p
    lib.vokadlo_new.argtypes = []
    lib.vokadlo_free.restype = None
    lib.vokadlo_free.argtypes = [ctypes.c_void_p]
    lib.vokadlo_set_option.restype = ctypes.c_int
    lib.vokadlo_set_option.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_char_p]
    lib.vokadlo_synthesize.restype = ctypes.c_int
    lib.vokadlo_synthesize.argtypes = [ctypes.c_void_p, ctypes.c_char_p, _AudioFn, _EventFn,
                                       ctypes.c_void_p]
    lib.vokadlo_last_error.restype = ctypes.c_char_p
    lib.vokadlo_last_error.argtypes = [ctypes.c_void_p]
    return lib


_lib = _load()
SAMPLE_RATE = _lib.vokadlo_sample_rate()


def version():
    """The version of the library, "MAJOR.MINOR.PATCH"."""
    return _lib.vokadlo_version().decode()


def _option_value(value):
    if value is True:
        return "on"
    if value is False:
        return "off"
    return str(value)


class _CharOffsets:
    """Turns byte offsets into the UTF-8 text into offsets in characters of the str."""

    def __init__(self, data):
        self._starts = [i for i, byte in enumerate(data) if byte & 0xC0 != 0x80]

    def __call__(self, offset):
        return offset if offset < 0 else bisect.bisect_left(self._starts, offset)


class Synthesizer:
    """The engine with its options; close() (or the end of a with block) frees it."""

    def __init__(self, **options):
        self._handle = _lib.vokadlo_new()
        if not self._handle:
            raise VokadloError(_lib.vokadlo_last_error(None).decode())
        try:
            for name, value in options.items():
                if value is not None:
                    self.set_option(name, value)
        except BaseException:
            self.close()
            raise

    def close(self):
        """Frees the engine, so that another Synthesizer may be made."""
        if getattr(self, "_handle", None) and _lib is not None:
            _lib.vokadlo_free(self._handle)
        self._handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        self.close()

    def _check(self, code):
        if code != _OK:
            raise VokadloError(_lib.vokadlo_last_error(self._live()).decode(), code)

    def _live(self):
        if not self._handle:
            raise VokadloError("the synthesizer is closed")
        return self._handle

    def set_option(self, name, value):
        """Sets one option; a name or value refused raises VokadloError."""
        handle = self._live()
        self._check(_lib.vokadlo_set_option(handle, name.encode(),
                                            _option_value(value).encode()))

    def synthesize(self, text, on_event=None):
        """Speaks `text`; returns its samples as array('h'). `on_event(event)` gets each Event
        as it comes; an exception it raises stops the speech and comes out of this call."""
        samples = array.array("h")
        self._speak(text, samples.frombytes, on_event)
        return samples

    def _speak(self, text, on_bytes, on_event):
        """Speaks `text`, handing each block of samples (native-order bytes) to on_bytes."""
        data = text.encode("utf-8")
        chars = _CharOffsets(data)
        raised = []

        def audio(pointer, count, _user):
            try:
                on_bytes(ctypes.string_at(pointer, count * 2))
                return 0
            except BaseException as error:  # KeyboardInterrupt above all: stop at once
                raised.append(error)
                return 1

        def event(pointer, _user):
            if on_event is None:
                return 0
            e = pointer.contents
            try:
                begin = chars(e.text_offset)
                length = e.text_length
                if e.text_offset >= 0 and length >= 0:
                    length = chars(e.text_offset + length) - begin
                on_event(Event(_EVENT_TYPES.get(e.type, e.type), e.sample_offset, begin, length,
                               e.mark.decode() if e.mark else None,
                               e.text.decode() if e.text else None))
                return 0
            except BaseException as error:  # carried out of the C call, raised below
                raised.append(error)
                return 1

        code = _lib.vokadlo_synthesize(self._live(), data, _AudioFn(audio), _EventFn(event),
                                       None)
        if raised:
            raise raised[0]
        self._check(code)

    def events(self, text):
        """The events of speaking `text`, in stream order (the speech is computed whole)."""
        found = []
        self.synthesize(text, found.append)
        return iter(found)

    def synthesize_to_wav(self, text, path):
        """Speaks `text` into a WAV file (mono, 16-bit, 22050 Hz) as the samples come, written
        whole or not at all; returns the events."""
        found = []
        folder = os.path.dirname(os.path.abspath(path))
        handle, temporary = tempfile.mkstemp(dir=folder, prefix=".vokadlo-", suffix=".wav")
        try:
            mask = os.umask(0)
            os.umask(mask)
            os.chmod(temporary, 0o666 & ~mask)  # as an ordinary new file, not mkstemp's 0600
            with os.fdopen(handle, "wb") as raw, wave.open(raw, "wb") as out:
                out.setnchannels(1)
                out.setsampwidth(2)
                out.setframerate(SAMPLE_RATE)

                def write(block):
                    if sys.byteorder == "big":  # WAV samples are little-endian
                        samples = array.array("h", block)
                        samples.byteswap()
                        block = samples.tobytes()
                    out.writeframesraw(block)

                self._speak(text, write, found.append)
            os.replace(temporary, path)
        except BaseException:
            os.unlink(temporary)
            raise
        return found

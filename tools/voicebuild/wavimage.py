"""The recording file: bytes out, and the checks every file must pass.

Layout: a 44-byte RIFF/WAVE header (PCM, mono, 16 bit, 22050 Hz), the
samples, then a 74-byte LIST/INFO chunk that ends the file.  The engine
reads the samples from byte 46 up to 120 bytes before the end and splits
them at the ten-sample mark 0 1 1 -1 -1 1 1 -1 -1 0.
"""

import struct

import numpy as np

from inventory import MARK, SAMPLE_RATE

INFO_BYTES = 66  # "INFO" and the fields, after the 8-byte LIST header
TRAILER_BYTES = 8 + INFO_BYTES


def _info_field(tag, text, size):
    body = text.encode("ascii")
    if len(body) >= size:
        raise ValueError("INFO text too long: %r" % text)
    return tag + struct.pack("<I", size) + body + b"\0" * (size - len(body))


def info_chunk(name):
    body = (b"INFO"
            + _info_field(b"INAM", "Vokadlo unit %s" % name, 16)
            + _info_field(b"ICOP", "GPL-3; from Czech voice dita", 30))
    assert len(body) == INFO_BYTES
    return b"LIST" + struct.pack("<I", INFO_BYTES) + body


def wav_bytes(name, samples):
    data = np.asarray(samples, dtype="<i2").tobytes()
    trailer = info_chunk(name)
    header = (b"RIFF" + struct.pack("<I", 36 + len(data) + len(trailer)) + b"WAVE"
              + b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, SAMPLE_RATE, 2 * SAMPLE_RATE, 2, 16)
              + b"data" + struct.pack("<I", len(data)))
    return header + data + trailer


def scanned_part(image):
    """The samples the engine scans, as it computes them from the file size."""
    n = len(image) - 46
    n -= n % 2
    n -= 120
    w = n // 2
    return np.frombuffer(image[46:46 + 2 * w], dtype="<i2").astype(np.int64)


def mark_positions(x):
    """0-based starts of marks the engine finds in scanned samples x
    (it tests starts 1 .. w-15 in its 1-based count)."""
    x = np.asarray(x, dtype=np.int64)
    limit = len(x) - 15
    if limit <= 0:
        return []
    hits = np.ones(limit, dtype=bool)
    for j, v in enumerate(MARK):
        hits &= x[j:j + limit] == v
    return [int(i) for i in np.flatnonzero(hits)]


def periods(x):
    """Split scanned samples the way the engine does: list of (start, end)."""
    starts, ends = [0], []
    for i in mark_positions(x):
        ends.append(i)
        starts.append(i + len(MARK))
    ends.append(len(x) - 1)
    return list(zip(starts, ends))


def gain_can_forge_mark(window):
    """True if some gain g > 0 turns this ten-sample window into a mark.

    The engine's gain leaves -1, 0 and 1 alone and rounds g*x (ties to even)
    for every other value, so a window becomes a mark when its ends round to
    0 and its inner eight round to +1 +1 -1 -1 +1 +1 -1 -1.
    """
    lo, hi = 0.0, np.inf
    for j, (x, want) in enumerate(zip(window, MARK)):
        x = int(x)
        if -1 <= x <= 1:
            if x != want:
                return False
            continue
        if want == 0:
            hi = min(hi, 0.5 / abs(x))  # |g x| <= 0.5 rounds to 0
        elif (x > 0) != (want > 0):
            return False
        else:
            lo = max(lo, 0.5 / abs(x))  # 0.5 < |g x| < 1.5 rounds to 1
            hi = min(hi, 1.5 / abs(x))
    return lo < hi + 1e-12


def forged_marks(samples, real_starts):
    """Window starts (0-based, in samples) where a gain could forge a mark,
    other than the real marks at real_starts."""
    x = np.asarray(samples, dtype=np.int64)
    real = set(real_starts)
    pattern = np.sign(np.array(MARK[1:9]))
    n = len(x) - len(MARK) + 1
    if n <= 0:
        return []
    signs = np.ones(n, dtype=bool)
    for j, s in enumerate(pattern):
        signs &= np.sign(x[1 + j:1 + j + n]) == s
    return [int(i) for i in np.flatnonzero(signs)
            if i not in real and gain_can_forge_mark(x[i:i + len(MARK)])]


def join_steps(x, spans, repeat_range):
    """Steps at every join the engine can make between the periods `spans`
    of scanned samples x: k -> k+1, k -> k+2 (a period dropped), and k -> k
    (a period repeated) for the periods the engine repeats."""
    steps = []
    last = len(spans)
    for k in range(last):
        end = x[spans[k][1] - 1]
        for j in (k + 1, k + 2):
            if j < last:
                steps.append(("%d->%d" % (k + 1, j + 1), abs(int(end) - int(x[spans[j][0]]))))
        if repeat_range[0] <= k + 1 <= repeat_range[1]:
            steps.append(("%d->%d" % (k + 1, k + 1), abs(int(end) - int(x[spans[k][0]]))))
    return steps

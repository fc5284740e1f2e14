"""A gentle equaliser that moves a unit's mean spectrum towards the mean
spectrum of its phone in dita's running speech.

A unit cut from a carrier is one sample of its phone in one context; its
mean mel-cepstrum (coefficients 1..24: shape, not level) differs from the
phone's mean over the training texts.  The carrier is filtered, before it is
cut again, by a zero-phase filter whose log gain is a fraction (the unit's
`eq`) of that difference: smooth in frequency, the same for every period, so
pitch, periodicity and joins are kept.
"""

import os
import tempfile

import numpy as np

import melcep
from inventory import SAMPLE_RATE


def cut_mean(cut):
    """Mean mel-cepstrum (1..24) of a cut's periods."""
    y = np.concatenate(cut.periods)
    with tempfile.TemporaryDirectory(prefix="equaliser.") as work:
        path = os.path.join(work, "cut.raw")
        np.asarray(y / 32768.0, dtype="<f4").tofile(path)
        x = melcep.read_audio_raw(path, SAMPLE_RATE)
    return melcep.mel_cepstra(x)[:, 1:].mean(axis=0)


def _mel(f):
    return 1127.0 * np.log1p(f / 700.0)


def gain_curve(dc, n):
    """Amplitude gain at the rfft bins of an n-point transform at SAMPLE_RATE
    for a change dc of mel-cepstra 1..24 (constant above the top band)."""
    f = np.minimum(np.fft.rfftfreq(n, 1.0 / SAMPLE_RATE), melcep.TOP_HZ)
    lo, hi = _mel(melcep.BOTTOM_HZ), _mel(melcep.TOP_HZ)
    band = (_mel(f) - lo) / ((hi - lo) / (melcep.BANDS + 1)) - 1
    band = np.clip(band, 0, melcep.BANDS - 1)
    k = np.arange(1, len(dc) + 1)
    return np.exp(2.0 * np.cos(np.pi * np.outer(band + 0.5, k) / melcep.BANDS) @ dc)


def equalise(signal, dc):
    """The signal filtered (zero phase) by gain_curve(dc)."""
    n = 2 * len(signal)
    return np.fft.irfft(np.fft.rfft(signal, n) * gain_curve(dc, n), n)[:len(signal)]

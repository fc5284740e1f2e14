"""Mel-cepstra, levels and the distortion between two renderings of a text.

Both signals are taken to 16 kHz; frames are 25 ms Hann windows every 5 ms.
The mel-cepstrum is the cosine transform of the natural log amplitude in 40
mel bands up to 8 kHz, scaled as a true cepstrum (log amplitude = c0 + 2 *
sum of c_k cos k w); coefficients 1..24 describe the spectral shape
(coefficient 0, the level, is left out of the distortion).  Distortion is
the usual 10/ln10 * sqrt(2 * sum of squared differences), in dB, averaged
along the dynamic time warping path between the two texts' speech frames
(frames more than 35 dB below the text's loud ones are dropped first).

That figure, on 40 mel bands, comes out about half of the one usually
quoted.  The usual one is given by distortion(..., wide=...): the same
frames in time, the same silence and the same path search, but on
all-pass-warped mel-cepstra (SPTK's mcep, order 24) of both signals at
22.05 kHz.
"""

import subprocess

import numpy as np

RATE = 16000
FRAME = 400
HOP = 80
BANDS = 40
BOTTOM_HZ = 60.0
TOP_HZ = RATE / 2.0
ORDER = 24
# Frames more than this far below the text's loud frames are silence.
SILENCE_DB = 35.0
MCD_SCALE = 10.0 / np.log(10.0) * np.sqrt(2.0)
# The usual analysis for 22.05 kHz speech: the all-pass constant whose
# warping comes closest to the mel scale at that rate, a 1024-point
# periodogram and the small floor speech toolkits' recipes add to it.
WIDE_RATE = 22050
ALPHA = 0.455
WIDE_FFT = 1024
MCEP = "/usr/libexec/sptk/bin/mcep"


def read_audio(path, rate=RATE):
    """Any sound file -> float samples at `rate` (None: as it is), 16-bit scale."""
    effects = ["rate", "-v", str(rate)] if rate else []
    raw = subprocess.run(["sox", "-D", path, "-t", "raw", "-e", "floating-point", "-b", "32",
                          "-c", "1", "-"] + effects, check=True, capture_output=True).stdout
    return np.frombuffer(raw, dtype="<f4").astype(np.float64) * 32768.0


def read_audio_raw(path, rate_in, rate=RATE):
    """Raw 32-bit float samples at `rate_in` (full scale 1) -> as read_audio."""
    raw = subprocess.run(["sox", "-D", "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
                          "-r", str(rate_in), path, "-t", "raw", "-", "rate", "-v", str(rate)],
                         check=True, capture_output=True).stdout
    return np.frombuffer(raw, dtype="<f4").astype(np.float64) * 32768.0


def _mel_bank(rate=RATE, n_fft=512):
    def mel(f):
        return 1127.0 * np.log1p(f / 700.0)

    edges = 700.0 * np.expm1(np.linspace(mel(BOTTOM_HZ), mel(rate / 2.0), BANDS + 2) / 1127.0)
    freqs = np.arange(n_fft // 2 + 1) * rate / n_fft
    bank = np.zeros((BANDS, len(freqs)))
    for b in range(BANDS):
        lo, mid, hi = edges[b], edges[b + 1], edges[b + 2]
        bank[b] = np.clip(np.minimum((freqs - lo) / (mid - lo), (hi - freqs) / (hi - mid)), 0, None)
    return bank


_BANK = _mel_bank()
_DCT = np.cos(np.pi / BANDS * (np.arange(BANDS)[None, :] + 0.5) * np.arange(ORDER + 1)[:, None])
# Scaled as a cepstrum: log amplitude = c0 + 2 * sum of c_k cos(...).
_DCT /= BANDS


def frames(x):
    """Hann-windowed frames of x, one per row."""
    if len(x) < FRAME:
        x = np.pad(x, (0, FRAME - len(x)))
    count = 1 + (len(x) - FRAME) // HOP
    idx = np.arange(FRAME)[None, :] + HOP * np.arange(count)[:, None]
    return x[idx] * np.hanning(FRAME)[None, :]


def mel_cepstra(x):
    """Rows of coefficients 0..ORDER, one per frame."""
    power = np.abs(np.fft.rfft(frames(x), 512)) ** 2
    log_amp = 0.5 * np.log(power @ _BANK.T + 1e-3)
    return log_amp @ _DCT.T


def warped_cepstra(x, which):
    """Rows of all-pass-warped mel-cepstra 0..ORDER of x (at WIDE_RATE), one
    for each frame number in `which`, each frame at the same time and of the
    same length as frames() cuts at RATE."""
    length = int(round(FRAME * WIDE_RATE / RATE))
    starts = np.round(np.asarray(which) * HOP * WIDE_RATE / RATE).astype(int)
    x = np.pad(x, (0, max(0, int(starts.max(initial=0)) + length - len(x))))
    rows = np.zeros((len(starts), WIDE_FFT), dtype="<f4")
    rows[:, :length] = x[starts[:, None] + np.arange(length)[None, :]] * np.hanning(length)
    out = subprocess.run([MCEP, "-a", str(ALPHA), "-m", str(ORDER), "-l", str(WIDE_FFT),
                          "-e", "1e-8"], input=rows.tobytes(), check=True,
                         capture_output=True).stdout
    return np.frombuffer(out, dtype="<f4").astype(np.float64).reshape(len(starts), ORDER + 1)


def frame_db(x):
    """Level of every frame in dB (16-bit full-scale sine is about 87 dB)."""
    return 10.0 * np.log10(np.mean(frames(x) ** 2, axis=1) + 1e-3)


def speech_mask(x):
    """True for the frames of x that are not silence."""
    db = frame_db(x)
    return db > np.percentile(db, 95) - SILENCE_DB


def dtw_path(a, b):
    """Best monotonic path from a[0]/b[0] to a[-1]/b[-1] (steps right, down
    or diagonal) by total Euclidean distance: list of (i, j, distance)."""
    cost = np.sqrt(((a[:, None, :] - b[None, :, :]) ** 2).sum(axis=2))
    n, m = cost.shape
    total = np.full((n, m), np.inf)
    move = np.zeros((n, m), dtype=np.int8)  # 0 diagonal, 1 down, 2 right
    total[0, 0] = cost[0, 0]
    for i in range(n):
        if i:
            # Down and diagonal moves come from the row above, all at once.
            up, diag = total[i - 1], np.concatenate(([np.inf], total[i - 1, :-1]))
            move[i] = np.where(diag < up, 0, 1)
            total[i] = np.minimum(diag, up) + cost[i]
        # Moves to the right run along the row.
        for j in range(1, m):
            if total[i, j - 1] + cost[i, j] < total[i, j]:
                total[i, j] = total[i, j - 1] + cost[i, j]
                move[i, j] = 2
    path, i, j = [], n - 1, m - 1
    while True:
        path.append((i, j, cost[i, j]))
        if i == 0 and j == 0:
            break
        step = move[i, j] if i and j else (1 if i else 2)
        i, j = (i - 1, j - 1) if step == 0 else (i - 1, j) if step == 1 else (i, j - 1)
    return path[::-1]


def distortion(x, y, y_labels=None, wide=None):
    """Mean mel-cepstral distortion in dB between two renderings of a text,
    and {label: [sum, count]} of it over y's frames when y_labels (one per
    frame of y) is given.  x and y are at RATE; wide, the same two at
    WIDE_RATE, measures on their warped mel-cepstra instead."""
    mx, my = speech_mask(x), speech_mask(y)
    if wide is None:
        a, b = mel_cepstra(x)[mx][:, 1:], mel_cepstra(y)[my][:, 1:]
    else:
        a = warped_cepstra(wide[0], np.flatnonzero(mx))[:, 1:]
        b = warped_cepstra(wide[1], np.flatnonzero(my))[:, 1:]
    path = dtw_path(a, b)
    per = {}
    if y_labels is not None:
        frame_of = np.flatnonzero(my)
        for _, j, d in path:
            s = per.setdefault(y_labels[frame_of[j]], [0.0, 0])
            s[0] += MCD_SCALE * d
            s[1] += 1
    return MCD_SCALE * float(np.mean([d for _, _, d in path])), per

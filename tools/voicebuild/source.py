"""Runs the source voice on every unit's carrier and loads the result.

Festival's "Phones" utterance synthesises a phone list at one fixed pitch
(FP_F0) and one fixed duration per phone (FP_duration).  For every carrier we
keep the waveform, the phone end times (Segment relation) and the output pitch
marks (TargetCoef relation), then resample the waveform to the engine's rate.
"""

import os
import subprocess
from dataclasses import dataclass

import numpy as np

from inventory import SAMPLE_RATE, SOURCE_RATE


@dataclass
class Carrier:
    signal: np.ndarray      # float samples at SAMPLE_RATE, 16-bit scale
    segments: list          # (phone, start s, end s)
    pitch_marks: np.ndarray  # output pitch mark times in seconds


def phone_duration_ms(unit):
    """Length asked of every carrier phone: the unit plus a margin to cut from."""
    if unit.kind == "voiced":
        # Vowels drop 40 ms of transition at each side; consonants about
        # two periods.
        vowel = unit.carrier[unit.target[0]] in ("a", "e", "i", "o", "u")
        margin = 80.0 if vowel else 4000.0 / unit.f0
        return round(unit.ms + margin)
    if unit.kind in ("noise", "whole"):
        return round(unit.ms + 30)
    if unit.kind == "final":
        return 150
    if len(unit.carrier) > 5:  # a cluster: the last phone carries most of it
        return round(unit.ms * 0.7)
    return 100


def _scheme_script(units, folder):
    lines = [
        "(voice_czech_dita)",
        "(define (dump name f0 dur phones)",
        "  (set! FP_F0 f0)",
        "  (set! FP_duration dur)",
        "  (set! u (eval (list 'Utterance 'Phones phones)))",
        "  (utt.synth u)",
        "  (utt.save.wave u (string-append name \".wav\") 'riff)",
        "  (set! fd (fopen (string-append name \".seg\") \"w\"))",
        "  (mapcar (lambda (s) (format fd \"%s %f\\n\" (item.name s)"
        " (item.feat s \"end\"))) (utt.relation.items u 'Segment))",
        "  (fclose fd)",
        "  (track.save (item.feat (car (utt.relation.items u 'TargetCoef))"
        " \"coefs\") (string-append name \".pm\") \"est\"))",
    ]
    for unit in units:
        base = os.path.join(folder, unit.name)
        lines.append('(dump "%s" %.4f %d \'(%s))' % (
            base, unit.f0 * unit.warp, phone_duration_ms(unit), " ".join(unit.carrier)))
    return "\n".join(lines) + "\n"


def _read_segments(path):
    segments, start = [], 0.0
    with open(path) as f:
        for line in f:
            name, end = line.split()
            segments.append((name, start, float(end)))
            start = float(end)
    return segments


def _read_pitch_marks(path):
    with open(path) as f:
        body = f.read().split("EST_Header_End", 1)[1]
    return np.array([float(l.split()[0]) for l in body.splitlines() if l.strip()])


def _resample(path, rate):
    """32 kHz file -> float samples at `rate`, DC and rumble removed.

    sox writes 32-bit floats so that no dither (and no randomness) is added.
    """
    raw = subprocess.run(
        ["sox", "-D", path, "-t", "raw", "-e", "floating-point", "-b", "32",
         "-r", "%.6g" % rate, "-", "highpass", "40", "rate", "-v", "%.6g" % rate],
        check=True, capture_output=True).stdout
    return np.frombuffer(raw, dtype="<f4").astype(np.float64) * 32768.0


def synthesise(units, folder):
    """Runs festival once for all units; returns {name: Carrier}.

    With a unit's warp w > 1 every frequency comes out divided by w
    (formants and pitch; festival is asked for w times the pitch, so the
    pitch stays): the carrier is resampled to w * SAMPLE_RATE and then taken
    as SAMPLE_RATE.  Times are scaled to match.
    """
    script = os.path.join(folder, "carriers.scm")
    with open(script, "w") as f:
        f.write(_scheme_script(units, folder))
    subprocess.run(["festival", "-b", script], check=True, capture_output=True)
    carriers = {}
    for unit in units:
        base = os.path.join(folder, unit.name)
        probe = subprocess.run(["soxi", "-r", base + ".wav"], check=True,
                               capture_output=True, text=True).stdout.strip()
        if int(probe) != SOURCE_RATE:
            raise RuntimeError("%s: source rate %s, expected %d" % (unit.name, probe, SOURCE_RATE))
        w = unit.warp
        segments = [(p, w * a, w * b) for p, a, b in _read_segments(base + ".seg")]
        carriers[unit.name] = Carrier(_resample(base + ".wav", w * SAMPLE_RATE), segments,
                                      w * _read_pitch_marks(base + ".pm"))
    return carriers

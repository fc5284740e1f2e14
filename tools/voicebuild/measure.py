#!/usr/bin/python3
"""How close a candidate voice comes to dita on a set of Czech texts.

Usage: measure.py [--say PROGRAM] [--voice FOLDER] [--cache FOLDER] [--bands] TEXTS...

Every line of each TEXTS file is one text.  It is rendered by the engine
(PROGRAM, with --samples-from-disk FOLDER when a folder is given, else the
built-in voice) and by dita through festival (cached by text in the cache
folder: empty it when festival or dita change).  Printed: the mel-cepstral
distortion of every text after dynamic time warping (on the usual scale, or
with --bands on the 40-band one the voice builder chooses with), its mean,
and for every unit its level relative to the vowels in dita's speech and in
the engine's output, with the difference, and the distortion over the frames
dita spends in the unit's phones (mean, and share of the whole).

The engine's level of a unit is the RMS of its recording's periods times the
factor the engine applies to it (gain table, volumes), taken over every time
the texts use the unit; dita's is the RMS of the middle half of the phone's
segments.  Both are power means over the occurrences, in dB relative to the
same mean over all vowels.
"""

import argparse
import functools
import json
import os
import subprocess
import sys
import tempfile

import numpy as np

import dita
import melcep
import wavimage
from inventory import BY_NAME, UNITS

VOWELS = ("A", "E", "I", "O", "U")
# Unit codes the engine's trace shows, folded as the engine folds them.
FOLD = {"á": "a", "é": "e", "ě": "e", "í": "i", "ó": "o", "ú": "u", "ů": "u", "w": "v",
        "č": "cv", "ď": "dv", "ť": "tv", "š": "sv", "ž": "zv", "ň": "nv", "ř": "rv"}
# Units whose recording is a burst or a closure: their RMS says little.
NOT_COMPARABLE = ("K", "KK", "P", "PK", "Q", "T", "TV", "G", "C")


@functools.lru_cache(maxsize=None)
def reading_options(say):
    """The engine's own design reading, where the program offers a choice: a
    voice is measured on what the engine says, not on a newer reading."""
    shown = subprocess.run([say, "--help"], capture_output=True, text=True).stdout
    return ("--reading", "design") if "--reading" in shown else ()


def engine_render(say, voice, text, work):
    """(wav path, [(unit name, factor)]) of the engine speaking `text`."""
    wav, trace = os.path.join(work, "e.wav"), os.path.join(work, "e.jsonl")
    source = os.path.join(work, "e.txt")
    with open(source, "w", encoding="utf-8") as f:
        f.write(text + "\n")
    cmd = [say, "--seed", "1", "-w", wav, "--trace", trace, "-f", source]
    cmd += list(reading_options(say))
    if voice:
        cmd += ["--samples-from-disk", voice]
    subprocess.run(cmd, check=True, capture_output=True)
    units = []
    with open(trace, encoding="utf-8") as f:
        for line in f:
            chunk = json.loads(line)
            wv = chunk["word_volume"]
            for u in chunk["units"]:
                code = u["sample"][:2]
                name = FOLD.get(code[:1], code).upper()
                if name not in BY_NAME:
                    continue
                g = u["gain"]
                if u["volume"]:
                    g *= u["volume"] / 63750.0 * 2.0
                if wv:
                    g *= wv / 63750.0
                units.append((name, g))
    return wav, units


def recording_rms(voice):
    """RMS of every unit's periods, marks left out, from a folder or voice/."""
    rms = {}
    for unit in UNITS:
        with open(os.path.join(voice, unit.name + ".wav"), "rb") as f:
            x = wavimage.scanned_part(f.read()).astype(np.float64)
        y = np.concatenate([x[s:e] for s, e in wavimage.periods(x)])
        rms[unit.name] = float(np.sqrt(np.mean(y ** 2)))
    return rms


def relative_levels(power_lists):
    """{unit: [power, ...]} -> {unit: dB relative to the vowels' power mean}."""
    vowels = [p for v in VOWELS for p in power_lists.get(v, [])]
    ref = 10 * np.log10(np.mean(vowels))
    return {u: 10 * np.log10(np.mean(p)) - ref for u, p in power_lists.items() if p}


def dita_powers(wav, segments, into):
    x = melcep.read_audio(wav)
    for phone, start, end in segments:
        unit = dita.UNITS_OF_PHONES.get(phone)
        if unit is None:
            continue
        a, b = start * melcep.RATE, end * melcep.RATE
        a, b = int(a + 0.25 * (b - a)), int(b - 0.25 * (b - a))
        if b - a >= 40:
            into.setdefault(unit, []).append(float(np.mean(x[a:b] ** 2)))


def frame_units(segments, y):
    """The unit (or "-") under each frame of dita's signal y."""
    count = len(melcep.frames(y))
    centre = (np.arange(count) * melcep.HOP + melcep.FRAME / 2) / melcep.RATE
    labels = ["-"] * count
    for phone, start, end in segments:
        unit = dita.UNITS_OF_PHONES.get(phone, "-")
        for k in np.flatnonzero((centre >= start) & (centre < end)):
            labels[k] = unit
    return labels


def measure(texts, say, voice, cache, bands=False):
    """Per-text distortions and the two sets of relative unit levels."""
    renders = dita.renders(texts, cache)
    rms = recording_rms(voice or os.path.join(os.path.dirname(__file__), "..", "..", "voice"))
    engine_pw, dita_pw, factors, mcd, peak, by_unit = {}, {}, {}, [], 0.0, {}
    with tempfile.TemporaryDirectory(prefix="measure.") as work:
        for t in texts:
            wav, units = engine_render(say, voice, t, work)
            for name, g in units:
                engine_pw.setdefault(name, []).append((rms[name] * g) ** 2)
                factors.setdefault(name, []).append(g * g)
            ref_wav, segments = renders[t]
            dita_powers(ref_wav, segments, dita_pw)
            x = melcep.read_audio(wav, rate=None)
            peak = max(peak, float(np.abs(x).max()))
            y = melcep.read_audio(ref_wav)
            wide = None if bands else (melcep.read_audio(wav, melcep.WIDE_RATE),
                                       melcep.read_audio(ref_wav, melcep.WIDE_RATE))
            d, per = melcep.distortion(melcep.read_audio(wav), y, frame_units(segments, y), wide)
            mcd.append(d)
            for u, (total, count) in per.items():
                s = by_unit.setdefault(u, [0.0, 0])
                s[0] += total
                s[1] += count
    heard = {u: float(np.sqrt(np.mean(g))) for u, g in factors.items()}
    return mcd, relative_levels(dita_pw), relative_levels(engine_pw), heard, peak, by_unit


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--say", default=os.path.join(here, "..", "..", "build", "cli", "vokadlo-say"))
    ap.add_argument("--voice", help="folder of candidate recordings (default: built-in)")
    ap.add_argument("--cache", default=os.path.expanduser("~/.cache/vokadlo-dita"))
    ap.add_argument("--bands", action="store_true",
                    help="distortion on 40 mel bands (the builder's scale, about half)")
    ap.add_argument("--quiet", action="store_true", help="print only the summary")
    ap.add_argument("texts", nargs="+")
    args = ap.parse_args(argv[1:])
    texts = dita.read_texts(args.texts)
    mcd, source, engine, heard, peak, by_unit = measure(texts, args.say, args.voice, args.cache,
                                                        args.bands)
    if not args.quiet:
        for t, d in zip(texts, mcd):
            print("%6.2f  %s" % (d, t))
        frames = sum(n for _, n in by_unit.values())
        print("unit  dita dB  engine dB  engine-dita  engine factor  distortion dB  share %")
        for unit in UNITS:
            if unit.name in source and unit.name in engine:
                note = "  (burst or closure)" if unit.name in NOT_COMPARABLE else ""
                total, n = by_unit.get(unit.name, (0.0, 0))
                print("%-4s %8.1f %10.1f %12.1f %14.3f %14.2f %8.1f%s" % (
                    unit.name, source[unit.name], engine[unit.name],
                    engine[unit.name] - source[unit.name], heard[unit.name],
                    total / max(n, 1), 100.0 * total / frames / float(np.mean(mcd)), note))
        print("loudest output sample %d of 32767" % peak)
    worst = max((abs(engine[u] - source[u]), u) for u in engine if u in source
                and u not in NOT_COMPARABLE)
    print("texts %d  mean distortion %.3f dB  worst level difference %.1f dB (%s)" % (
        len(texts), float(np.mean(mcd)), worst[0], worst[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

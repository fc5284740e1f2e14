#!/usr/bin/python3
"""Chooses each unit's carrier and formant pre-warp by measurement on
training texts.

Usage: choose_carriers.py [--say PROGRAM] [--cache FOLDER] TEXTS...

Candidates: the unit's phone between each of the five vowels (a vowel
between each of eight consonants), each with no pre-warp and with 3 %.

1. Spectrum: every candidate is synthesised and cut as the builder cuts it
   before equalising; its mean mel-cepstrum (coefficients 1..24, so level plays no
   part) is compared with the mean over the middle halves of the phone's
   segments in dita's renderings of the texts (distance in dB).
2. Distortion: whole voices are built (as the builder builds them,
   equaliser included) in which every unit takes its k-th
   candidate, k = 0, 1, ..., each spoken by the engine over the texts; a
   candidate's score is the mean distortion to dita over the frames dita
   spends in the unit's phone (measure.py), averaged over the voices that
   used it.

A unit takes the candidate with the lowest distortion; units the texts do
not separate from others (LU, KK, PK share dita's l, k, p) or do not contain
take the nearest spectrum.  Printed for every unit: each candidate's
spectral distance and distortion, the chosen one marked "*".  The builder's
carrier and warp columns copy the marked rows; the output is kept as
carriers.txt.
"""

import argparse
import dataclasses
import os
import sys
import tempfile

import numpy as np

import cutting
import dita
import measure
import melcep
import source
import equaliser
import voicebuild
from inventory import UNITS

VOWELS = ("a", "e", "i", "o", "u")
CONSONANTS = ("t", "k", "n", "d", "s", "p", "m", "l")
WARPS = (1.0, 1.03)
# Units whose frames the distortion cannot tell apart from another unit's.
BY_SPECTRUM = ("LU", "KK", "PK")


def candidates(unit):
    """Variants of the unit with its phone in other contexts and warps."""
    phones = unit.carrier[unit.target[0]:unit.target[1] + 1]
    if unit.name == "LU":  # dark l: before u or o
        carriers = [("#", v, "l", w, "#") for v in ("a", "e", "u") for w in ("u", "o")]
    elif unit.kind == "final":
        carriers = [("#", v) + phones + ("#",) for v in VOWELS]
    elif phones[0] in VOWELS:
        carriers = [("#", c) + phones + (c, "#") for c in CONSONANTS]
    else:
        carriers = [("#", v) + phones + (v, "#") for v in VOWELS]
    return [dataclasses.replace(unit, carrier=c, warp=w) for c in carriers for w in WARPS]


def label(unit):
    return "%s/%g" % (" ".join(unit.carrier[1:-1]), unit.warp)


def spectral_distances(cands, target):
    """{unit: [distance of each candidate's cut to dita's mean phone]}."""
    trials = [dataclasses.replace(c, name="%s.%d" % (name, k))
              for name, cs in cands.items() for k, c in enumerate(cs)]
    out = {}
    with tempfile.TemporaryDirectory(prefix="carriers.") as work:
        carriers = source.synthesise(trials, work)
        for name, cs in cands.items():
            out[name] = []
            for k, c in enumerate(cs):
                trial = "%s.%d" % (name, k)
                try:
                    d = melcep.MCD_SCALE * np.linalg.norm(
                        equaliser.cut_mean(cutting.cut(c, carriers[trial])[0]) - target[name])
                except (RuntimeError, ValueError, KeyError):
                    d = np.inf
                out[name].append(d)
    return out


def build_voice(units, folder, fallback):
    """Builds `units` into folder; a unit that fails the builder's checks is
    replaced by its fallback.  Returns the units built."""
    units = list(units)
    while True:
        try:
            with tempfile.TemporaryDirectory(prefix="carriers.") as work:
                voicebuild.build(folder, work, units)
            return units
        except RuntimeError as e:
            failed = {line.strip().split(":")[0] for line in str(e).splitlines()[1:]}
            original = {u.name: u for u in UNITS}
            if not failed or any(u is original[u.name] for u in units if u.name in failed):
                raise
            # A fallback that fails too gives way to the unit as it stands.
            units = [(original if u is fallback[u.name] else fallback)[u.name]
                     if u.name in failed else u for u in units]


def measured_distortions(cands, fallback, texts, say, cache):
    """{unit: [mean distortion over the unit's frames, per candidate]}."""
    sums = {name: [[0.0, 0] for _ in cs] for name, cs in cands.items()}
    rounds = max(len(cs) for cs in cands.values())
    with tempfile.TemporaryDirectory(prefix="voices.") as folder:
        for k in range(rounds):
            pick = {name: k % len(cs) for name, cs in cands.items()}
            built = build_voice([cands[u.name][pick[u.name]] for u in UNITS], folder, fallback)
            _, _, _, _, _, by_unit = measure.measure(texts, say, folder, cache)
            for u in built:
                if u is cands[u.name][pick[u.name]] and u.name in by_unit:
                    total, count = by_unit[u.name]
                    sums[u.name][pick[u.name]][0] += total
                    sums[u.name][pick[u.name]][1] += count
            print("voice %d of %d measured" % (k + 1, rounds), file=sys.stderr, flush=True)
    return {name: [t / n if n else np.inf for t, n in s] for name, s in sums.items()}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--say", default=os.path.join(here, "..", "..", "build", "cli", "vokadlo-say"))
    ap.add_argument("--cache", default=os.path.expanduser("~/.cache/vokadlo-dita"))
    ap.add_argument("texts", nargs="+")
    args = ap.parse_args(argv[1:])
    texts = dita.read_texts(args.texts)
    target = dita.phone_means(texts, args.cache)
    # A unit the texts lack keeps its carrier.
    cands = {u.name: candidates(u) if u.name in target else [u] for u in UNITS}
    spectral = spectral_distances(cands, target)
    # A unit whose candidate fails the checks falls back on its nearest spectrum.
    fallback = {u.name: u for u in UNITS}
    fallback.update({n: cands[n][int(np.argmin(d))] for n, d in spectral.items()})
    distortion = measured_distortions(cands, fallback, texts, args.say, args.cache)
    print("candidate carrier/warp: spectral distance dB, distortion dB; * chosen")
    for unit in UNITS:
        if unit.name not in target:
            print("%-3s not in the texts: %s kept" % (unit.name, " ".join(unit.carrier)))
            continue
        near, dist = spectral[unit.name], distortion[unit.name]
        by_spectrum = unit.name in BY_SPECTRUM or not np.isfinite(min(dist))
        best = int(np.argmin(near if by_spectrum else dist))
        cells = ["%s%s %.2f %.2f" % ("*" if k == best else " ", label(c), near[k], dist[k])
                 for k, c in enumerate(cands[unit.name])]
        print("%-3s %s%s" % (unit.name, "by spectrum " if by_spectrum else "", "  ".join(cells)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

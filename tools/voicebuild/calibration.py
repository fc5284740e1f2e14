"""How loud each unit is stored, so that the engine's output keeps dita's
loudness relations between the phones.

LEVELS holds, per unit, two measurements that `measure.py texts/train.txt`
prints (columns "dita dB" and "engine factor"; training texts only):

  dita    the phone's level in dita's running speech relative to the vowels,
          in dB (RMS of the middle half of its segments, power mean);
          None keeps the level the unit has in its carrier relative to the
          vowels' carriers: for bursts and closures an RMS says little
  factor  the mean factor the engine applies to the unit in running text
          (its gain table times the volumes), power mean over every use

A calibrated unit is stored so that its RMS times `factor` stands `dita` dB
from the vowels' output level.  One common scale then makes the loudest
file and the loudest default output stay below full scale.
"""

import numpy as np

from inventory import ECHO_HEADROOM, ENGINE_FACTOR_MAX

FULL_SCALE = 32767
# Loudest a unit may come out of the engine at its largest default gain.
OUTPUT_CEILING = 0.95 * FULL_SCALE / ECHO_HEADROOM
FILE_CEILING = 0.95 * FULL_SCALE
VOWELS = ("A", "E", "I", "O", "U")

#        unit    dita dB  factor
LEVELS = {
    "A": (-0.8, 0.975),
    "B": (-6.3, 1.677),
    "C": (None, 0.600),
    "CH": (-18.0, 0.632),
    "CV": (-13.5, 0.449),
    "D": (-7.2, 2.159),
    "DV": (-9.3, 1.487),
    "E": (0.6, 1.217),
    "F": (-26.2, 3.169),
    "G": (None, 1.000),  # one use in 40 texts; the table's factor
    "H": (-7.2, 0.271),
    "I": (0.0, 0.996),
    "J": (-3.7, 1.100),
    "K": (None, 2.191),
    "KK": (None, 0.400),
    "L": (-3.3, 0.401),
    "LU": (-3.3, 0.375),  # dita has one l: L's level
    "M": (-4.4, 0.737),
    "N": (-2.7, 1.612),
    "NV": (-2.3, 0.941),
    "O": (-0.2, 0.865),
    "P": (None, 1.173),
    "PK": (None, 1.000),  # not in the training texts; the table's factor
    "Q": (None, 2.000),  # not in the training texts; the table's factor
    "R": (-4.1, 0.804),
    "RV": (-8.7, 0.593),
    "S": (-15.3, 0.598),
    "SV": (-11.2, 0.756),
    "T": (None, 1.334),
    "TV": (None, 2.000),
    "U": (0.4, 0.822),
    "V": (-9.5, 0.594),
    "Z": (-9.0, 2.509),
    "ZV": (-6.6, 1.126),
}


def _rms(cut):
    y = np.concatenate(cut.periods)
    return float(np.sqrt(np.mean(y ** 2)))


def _peak(cut):
    return max(np.abs(p).max() for p in cut.periods)


def stored_factors(units, cuts):
    """{unit name: factor from the cut's source samples to the stored ones}."""
    rms = {u.name: _rms(cuts[u.name]) for u in units}
    # The vowels' level in their carriers, and what they should give out.
    vowel_source = np.sqrt(np.mean([rms[v] ** 2 for v in VOWELS]))
    rel = {}
    for u in units:
        dita, factor = LEVELS[u.name]
        if dita is None:
            rel[u.name] = rms[u.name] / vowel_source
        else:
            rel[u.name] = 10 ** (dita / 20)
        # From here on: output RMS relative to the vowels' -> stored factor.
        rel[u.name] /= rms[u.name] * factor
    k = np.inf
    for u in units:
        peak = _peak(cuts[u.name]) * rel[u.name]
        k = min(k, FILE_CEILING / peak,
                OUTPUT_CEILING / (peak * u.gain_max * ENGINE_FACTOR_MAX))
    return {name: k * r for name, r in rel.items()}

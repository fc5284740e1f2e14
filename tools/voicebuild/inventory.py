"""The 34 units of the voice: what each must look like and where it comes from.

Columns of UNITS:
  name     upper-case file name (A -> A.wav)
  samples  exact number of 16-bit samples in the data chunk
  marks    exact number of pitch marks inside the part the engine scans
  kind     how the unit is cut from its carrier:
             voiced  pitch-synchronous periods, one mark before each glottal pulse
             noise   unvoiced; marks at equal spacing
             whole   no marks; a centred stretch of the phone
             stop    no marks; the stretch that ends at the phone's end (medial stop)
             final   no marks; the stretch that starts at the release burst
  carrier  phone list given to the source voice ("#" is a pause)
  target   indices into carrier of the first and last phone that make the unit
  gain     the engine's usual loudness factor for the unit and the largest one
           it can use (before the engine-wide x1.25 first-unit boost)
  pulses   glottal pulses in each marked period of a voiced unit: ZV's periods
           (277 samples) are twice the voice's pitch period, so each holds two
"""

from dataclasses import dataclass

SAMPLE_RATE = 22050
SOURCE_RATE = 32000
# Bytes skipped before and after the part the engine scans.
SCAN_SKIP_FRONT_SAMPLES = 1
SCAN_SKIP_BACK_SAMPLES = 24  # 23 trailing samples and the one closing the last period
MARK = (0, 1, 1, -1, -1, 1, 1, -1, -1, 0)
# Neutral pitch for units whose pitch is not fitted to a period count.
NEUTRAL_F0 = 190.0


@dataclass(frozen=True)
class Unit:
    name: str
    samples: int
    marks: int
    kind: str
    carrier: tuple
    target: tuple
    gain: float
    gain_max: float
    pulses: int = 1

    @property
    def periods(self):
        return self.marks + 1

    @property
    def period_samples(self):
        """Samples the periods (or segments) add up to, marks excluded."""
        return (self.samples - SCAN_SKIP_FRONT_SAMPLES - SCAN_SKIP_BACK_SAMPLES
                - len(MARK) * self.marks)

    @property
    def f0(self):
        """Pitch the unit is synthesised at: its glottal pulse rate."""
        if self.kind != "voiced":
            return NEUTRAL_F0
        return SAMPLE_RATE * self.periods * self.pulses / self.period_samples

    @property
    def ms(self):
        return 1000.0 * self.samples / SAMPLE_RATE


def _u(name, samples, marks, kind, carrier, target, gain, gain_max=None, pulses=1):
    return Unit(name, samples, marks, kind, tuple(carrier.split()), target,
                gain, gain if gain_max is None else gain_max, pulses)


UNITS = [
    _u("A", 2721, 20, "voiced", "# t a t #", (2, 2), 0.55),
    _u("B", 5584, 40, "voiced", "# a b a #", (2, 2), 0.75),
    _u("C", 1380, 0, "whole", "# a c a #", (2, 2), 0.3),
    _u("CH", 3960, 0, "whole", "# a ch a #", (2, 2), 0.3),
    _u("CV", 3232, 0, "whole", "# a c~ a #", (2, 2), 0.215),
    _u("D", 2119, 17, "voiced", "# a d a #", (2, 2), 1.0),
    _u("DV", 1372, 10, "voiced", "# a d~ a #", (2, 2), 0.77),
    _u("E", 3466, 26, "voiced", "# t e t #", (2, 2), 0.65),
    _u("F", 4644, 18, "noise", "# a f a #", (2, 2), 1.75),
    _u("G", 2976, 0, "whole", "# a g a #", (2, 2), 0.5),
    _u("H", 2353, 16, "voiced", "# a h a #", (2, 2), 0.122),
    _u("I", 4257, 29, "voiced", "# t i t #", (2, 2), 0.55),
    _u("J", 2549, 19, "voiced", "# a j a #", (2, 2), 0.55),
    _u("K", 619, 0, "stop", "# a k a #", (2, 2), 1.0),
    _u("KK", 2931, 0, "final", "# a k #", (2, 2), 0.25),
    _u("L", 1665, 12, "voiced", "# a l a #", (2, 2), 0.2),
    _u("LU", 2316, 17, "voiced", "# o l u #", (2, 2), 0.2),
    _u("M", 4499, 35, "voiced", "# a m a #", (2, 2), 0.35),
    _u("N", 4902, 38, "voiced", "# a n a #", (2, 2), 0.75),
    _u("NV", 2396, 0, "whole", "# a n~ a #", (2, 2), 0.45),
    _u("O", 3464, 25, "voiced", "# t o t #", (2, 2), 0.45),
    _u("P", 829, 0, "stop", "# a p a #", (2, 2), 0.5),
    _u("PK", 414, 0, "final", "# a p #", (2, 2), 0.5),
    _u("Q", 1871, 0, "stop", "# a k v a #", (2, 3), 1.0),
    _u("R", 2258, 16, "voiced", "# a r a #", (2, 2), 0.4),
    _u("RV", 2417, 0, "whole", "# a r~ a #", (2, 2), 0.3),
    _u("S", 4902, 15, "noise", "# a s a #", (2, 2), 0.27),
    _u("SV", 3005, 29, "noise", "# a s~ a #", (2, 2), 0.35),
    _u("T", 297, 0, "stop", "# a t a #", (2, 2), 0.65, 0.7),
    _u("TV", 900, 0, "stop", "# a t~ a #", (2, 2), 1.0),
    _u("U", 3249, 23, "voiced", "# t u t #", (2, 2), 0.5, 0.6),
    _u("V", 2413, 16, "voiced", "# a v a #", (2, 2), 0.27, 0.3),
    _u("Z", 5006, 35, "voiced", "# a z a #", (2, 2), 1.15),
    _u("ZV", 3744, 12, "voiced", "# a z~ a #", (2, 2), 0.5, pulses=2),
]

BY_NAME = {u.name: u for u in UNITS}

# Largest factor the engine applies on top of a unit's table gain with its
# default settings: VolumeFactor 2.0 times the first-unit boost 1.25.
ENGINE_FACTOR_MAX = 2.0 * 1.25
# The default echo adds 8 %, 2 % and 0.9 % of earlier output.
ECHO_HEADROOM = 1.0 + 0.08 + 0.08 / 4 + 0.08 / 9

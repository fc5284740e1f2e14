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
  warp     formant pre-warp: every frequency of the carrier is divided by it
           before cutting (the pitch is kept), against the engine's usual
           upward pitch change of about 3 %
  eq       share of the difference between the cut's mean spectrum and its
           phone's mean in dita's training texts that an equaliser removes
           (equaliser.py); 0 for a unit the texts lack
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
    warp: float = 1.0
    eq: float = 0.0

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


# Share of the spectral difference removed, chosen on the training texts'
# mean distortion: 0 -> 3.069 dB, 0.3 -> 3.039, 0.5 -> 3.017, 0.7 -> 3.051,
# 1 -> 3.131 (all units at once).
EQ = 0.5


def _u(name, samples, marks, kind, carrier, target, gain, gain_max=None, pulses=1, warp=1.0,
       eq=EQ):
    return Unit(name, samples, marks, kind, tuple(carrier.split()), target,
                gain, gain if gain_max is None else gain_max, pulses, warp, eq)


# carrier and warp: chosen by choose_carriers.py on texts/train.txt (its
# report is carriers.txt); the comment is the chosen candidate's distortion to
# dita over the frames of the unit's phone, or its spectral distance.
UNITS = [
    _u("A", 2721, 20, "voiced", "# m a m #", (2, 2), 0.55, warp=1.03),  # 2.96 dB
    _u("B", 5584, 40, "voiced", "# u b u #", (2, 2), 0.75),  # 3.03 dB
    _u("C", 1380, 0, "whole", "# a c a #", (2, 2), 0.3, warp=1.03),  # 2.91 dB
    _u("CH", 3960, 0, "whole", "# o ch o #", (2, 2), 0.3),  # 3.16 dB
    _u("CV", 3232, 0, "whole", "# i c~ i #", (2, 2), 0.215),  # 2.71 dB
    _u("D", 2119, 17, "voiced", "# e d e #", (2, 2), 1.0),  # 3.20 dB
    _u("DV", 1372, 10, "voiced", "# a d~ a #", (2, 2), 0.77),  # 3.96 dB
    _u("E", 3466, 26, "voiced", "# s e s #", (2, 2), 0.65, warp=1.03),  # 2.93 dB
    _u("F", 4644, 18, "noise", "# e f e #", (2, 2), 1.75, warp=1.03),  # 3.93 dB
    _u("G", 2976, 0, "whole", "# e g e #", (2, 2), 0.5, warp=1.03),  # 4.06 dB
    _u("H", 2353, 16, "voiced", "# a h a #", (2, 2), 0.122, warp=1.03),  # 2.88 dB
    _u("I", 4257, 29, "voiced", "# n i n #", (2, 2), 0.55, warp=1.03),  # 3.37 dB
    _u("J", 2549, 19, "voiced", "# e j e #", (2, 2), 0.55),  # 2.86 dB
    _u("K", 619, 0, "stop", "# o k o #", (2, 2), 1.0, warp=1.03),  # 3.47 dB
    _u("KK", 2931, 0, "final", "# u k #", (2, 2), 0.25, warp=1.03),  # spectrum 3.17 dB
    _u("L", 1665, 12, "voiced", "# a l a #", (2, 2), 0.2, warp=1.03),  # 3.22 dB
    _u("LU", 2316, 17, "voiced", "# e l o #", (2, 2), 0.2),  # spectrum 2.06 dB
    _u("M", 4499, 35, "voiced", "# e m e #", (2, 2), 0.35, warp=1.03),  # 2.65 dB
    _u("N", 4902, 38, "voiced", "# o n o #", (2, 2), 0.75, warp=1.03),  # 2.63 dB
    _u("NV", 2396, 0, "whole", "# a n~ a #", (2, 2), 0.45, warp=1.03),  # 2.53 dB
    _u("O", 3464, 25, "voiced", "# k o k #", (2, 2), 0.45),  # 2.89 dB
    _u("P", 829, 0, "stop", "# u p u #", (2, 2), 0.5, warp=1.03),  # 3.02 dB
    _u("PK", 414, 0, "final", "# i p #", (2, 2), 0.5),  # spectrum 2.67 dB
    _u("Q", 1871, 0, "stop", "# a k v a #", (2, 3), 1.0, eq=0),  # not in the texts
    _u("R", 2258, 16, "voiced", "# o r o #", (2, 2), 0.4, warp=1.03),  # 2.96 dB
    _u("RV", 2417, 0, "whole", "# e r~ e #", (2, 2), 0.3, warp=1.03),  # 2.76 dB
    _u("S", 4902, 15, "noise", "# i s i #", (2, 2), 0.27, warp=1.03),  # 2.82 dB
    _u("SV", 3005, 29, "noise", "# a s~ a #", (2, 2), 0.35, warp=1.03),  # 2.85 dB
    _u("T", 297, 0, "stop", "# u t u #", (2, 2), 0.65, 0.7),  # 3.22 dB
    _u("TV", 900, 0, "stop", "# i t~ i #", (2, 2), 1.0),  # 3.06 dB
    _u("U", 3249, 23, "voiced", "# d u d #", (2, 2), 0.5, 0.6),  # 3.37 dB
    _u("V", 2413, 16, "voiced", "# e v e #", (2, 2), 0.27, 0.3, warp=1.03),  # 2.89 dB
    _u("Z", 5006, 35, "voiced", "# e z e #", (2, 2), 1.15),  # 3.03 dB
    _u("ZV", 3744, 12, "voiced", "# e z~ e #", (2, 2), 0.5, pulses=2, warp=1.03),  # 2.89 dB
]

BY_NAME = {u.name: u for u in UNITS}

# Largest factor the engine applies on top of a unit's table gain with its
# default settings: VolumeFactor 2.0 times the first-unit boost 1.25.
ENGINE_FACTOR_MAX = 2.0 * 1.25
# The default echo adds 8 %, 2 % and 0.9 % of earlier output.
ECHO_HEADROOM = 1.0 + 0.08 + 0.08 / 4 + 0.08 / 9

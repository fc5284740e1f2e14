"""Builds voice/*.wav from the Czech diphone voice dita.

Usage: voicebuild.py OUTPUT_FOLDER

Every unit is synthesised in its carrier, cut, fitted to its inventory size,
levelled, given its marks, checked, and only then written.  Nothing random
is involved, so two runs give the same bytes.
"""

import os
import sys
import tempfile

import numpy as np

import calibration
import cutting
import dita
import source
import equaliser
import wavimage
from calibration import FULL_SCALE
from inventory import ENGINE_FACTOR_MAX, MARK, SAMPLE_RATE, UNITS

EDGE_FADE_SAMPLES = 33  # 1.5 ms
VOICED_FADE_SAMPLES = 8
A_FIRST_SAMPLE = -12
TRAINING_TEXTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "texts", "train.txt")
# Glottal pulse rates every voiced unit must keep (Hz).
VOICE_PITCH = (150.0, 220.0)


def assemble(unit, c, factor):
    """Integer samples of the data chunk with the marks in place."""
    def q(v):
        return np.rint(np.asarray(v, dtype=np.float64) * factor).astype(np.int64)

    parts = [q([c.lead])]
    for i, p in enumerate(c.periods):
        if i:
            parts.append(np.array(MARK, dtype=np.int64))
        parts.append(q(p))
    parts.append(q(c.tail))
    x = np.concatenate(parts)
    if unit.name == "A":
        x[0] = A_FIRST_SAMPLE  # the engine's header template ends with it
    return x


def real_mark_starts(unit, c):
    starts, pos = [], 1
    for p in c.periods[:-1]:
        pos += len(p)
        starts.append(pos)
        pos += len(MARK)
    return starts


def remove_forged_marks(x, real):
    """Breaks every window a gain could turn into a mark by giving one inner
    sample the value of its neighbour (a one-sample change in a quiet spot)."""
    protected = set()
    for r in real:
        protected.update(range(r, r + len(MARK)))
    for _ in range(1000):
        bad = wavimage.forged_marks(x, real)
        if not bad:
            return x
        i = bad[0]
        j = next(j for j in range(i + 5, i + 9) if j not in protected and j - 1 not in protected)
        x[j] = x[j - 1]
    raise RuntimeError("could not remove forged marks")


def repetition_rate(x, spans):
    """Strongest repetition rate (Hz, 60..400) of the periods, marks left out."""
    y = np.concatenate([x[s:e] for s, e in spans]).astype(np.float64)
    y -= y.mean()
    r = np.correlate(y, y, "full")[len(y) - 1:]
    lo, hi = SAMPLE_RATE // 400, SAMPLE_RATE // 60
    return SAMPLE_RATE / (lo + int(np.argmax(r[lo:hi])))


def check(unit, image):
    """Raises unless the file matches the inventory and joins cleanly."""
    problems = []
    if len(image) != 44 + 2 * unit.samples + wavimage.TRAILER_BYTES:
        problems.append("file size %d" % len(image))
    data = np.frombuffer(image[44:44 + 2 * unit.samples], dtype="<i2").astype(np.int64)
    x = wavimage.scanned_part(image)
    marks = wavimage.mark_positions(x)
    if len(marks) != unit.marks:
        problems.append("%d marks, expected %d" % (len(marks), unit.marks))
    all_marks = wavimage.mark_positions(data)
    if len(all_marks) != unit.marks:
        problems.append("%d marks in the whole data" % len(all_marks))
    forged = wavimage.forged_marks(data, [m + 1 for m in marks])
    if forged:
        problems.append("a gain could forge marks at %s" % forged[:5])
    if np.abs(data).max() >= FULL_SCALE:
        problems.append("clipped")
    if unit.name == "A" and image[44:46] != b"\xf4\xff":
        problems.append("first sample of A")
    spans = wavimage.periods(x)
    steps = wavimage.join_steps(x, spans, (4, len(spans) - 4))
    worst = max((s for _, s in steps), default=0)
    if unit.kind == "voiced":
        limit = 0.10 * np.abs(x).max()
    else:
        inner = np.concatenate([np.abs(np.diff(x[s:e])) for s, e in spans])
        limit = np.percentile(inner, 99, method="inverted_cdf")
    if worst > limit:
        problems.append("join step %d above %d" % (worst, limit))
    if unit.kind == "voiced" and abs(repetition_rate(x, spans) / unit.f0 - 1) > 0.1:
        problems.append("repeats at %.1f Hz, not at its pitch %.1f Hz" % (
            repetition_rate(x, spans), unit.f0))
    if unit.kind == "voiced" and not VOICE_PITCH[0] <= unit.f0 <= VOICE_PITCH[1]:
        problems.append("pitch %.1f Hz outside the voice's range" % unit.f0)
    if problems:
        raise RuntimeError("%s: %s" % (unit.name, "; ".join(problems)))
    return len(marks), worst, limit


def build(out_folder, work, units=UNITS):
    """Builds, checks and writes every unit; returns the table's rows."""
    carriers = source.synthesise(units, work)
    if any(unit.eq for unit in units):
        means = dita.phone_means(dita.read_texts([TRAINING_TEXTS]), os.path.join(work, "dita"))
    cuts, picks = {}, {}
    for unit in units:
        c, chosen = cutting.cut(unit, carriers[unit.name])
        if unit.eq:
            # Equalise the carrier towards the phone's mean, then cut again.
            carrier = carriers[unit.name]
            carrier.signal = equaliser.equalise(
                carrier.signal, unit.eq * (means[unit.name] - equaliser.cut_mean(c)))
            c, chosen = cutting.cut(unit, carrier)
        # Voiced units start and end near a zero crossing and need only a
        # touch; the others start and end anywhere in their noise.
        cutting.fade_edges(c, VOICED_FADE_SAMPLES if unit.kind == "voiced" else EDGE_FADE_SAMPLES)
        cuts[unit.name], picks[unit.name] = c, chosen
    factors = calibration.stored_factors(units, cuts)
    rows, images, failures = [], {}, []
    for unit in units:
        c = cuts[unit.name]
        real = real_mark_starts(unit, c)
        x = remove_forged_marks(assemble(unit, c, factors[unit.name]), real)
        image = wavimage.wav_bytes(unit.name, x)
        try:
            marks, worst, limit = check(unit, image)
        except RuntimeError as e:
            failures.append(str(e))
            continue
        images[unit.name] = image
        peak = int(np.abs(x).max())
        rms = float(np.sqrt(np.mean(x.astype(np.float64) ** 2)))
        rows.append((unit, len(x), marks, peak, rms, worst, limit, picks[unit.name]))
    if failures:
        raise RuntimeError("nothing written:\n  " + "\n  ".join(failures))
    os.makedirs(out_folder, exist_ok=True)
    for name, image in images.items():
        with open(os.path.join(out_folder, name + ".wav"), "wb") as f:
            f.write(image)
    return rows


def print_table(rows):
    print("levels: see calibration.py")
    print("join: largest step at a period join; limit: what the unit allows")
    print("%-4s %-6s %-18s %5s %6s %6s %7s %5s %6s %5s %5s" % (
        "unit", "kind", "carrier [cut]", "warp", "F0 Hz", "dur ms", "samples", "marks", "peak",
        "join", "limit"))
    loudest = 0.0
    for unit, n, marks, peak, rms, worst, limit, _ in rows:
        cut = " ".join(unit.carrier[unit.target[0]:unit.target[1] + 1])
        carrier = "%s [%s]" % (" ".join(unit.carrier), cut)
        print("%-4s %-6s %-18s %5.2f %6.1f %6d %7d %5d %6d %5d %5d" % (
            unit.name, unit.kind, carrier, unit.warp, unit.f0, source.phone_duration_ms(unit), n,
            marks, peak, worst, limit))
        loudest = max(loudest, peak * unit.gain_max * ENGINE_FACTOR_MAX)
    print("loudest default output (largest gain, first unit, before echo): %d" % loudest)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: voicebuild.py OUTPUT_FOLDER\n")
        return 2
    with tempfile.TemporaryDirectory(prefix="voicebuild.") as work:
        rows = build(argv[1], work)
    print_table(rows)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""Cuts one unit out of its carrier and fits it to its exact size.

A cut is a contiguous-or-spliced run of source samples described as
    lead     the one sample before the scanned part (the engine skips it)
    periods  list of float arrays; a mark is written between neighbours
    tail     the 24 samples after the scanned part (the engine skips them)
"""

from dataclasses import dataclass

import numpy as np

from inventory import SAMPLE_RATE, SCAN_SKIP_BACK_SAMPLES

# Cost of a period one sample longer or shorter than the fixed pitch's,
# in per cent of the unit's peak at the boundary.
JITTER_WEIGHT = 0.5
# Largest value a period may start or end with, in per cent of its peak,
# before its edge is faded.
SEAM_LIMIT = 0.03


@dataclass
class Cut:
    lead: float
    periods: list
    tail: np.ndarray


def _segment_span(unit, carrier):
    first, last = unit.target
    return (carrier.segments[first][1] * SAMPLE_RATE,
            carrier.segments[last][2] * SAMPLE_RATE)


def _join_cost(x, b):
    """How much a cut between samples b-1 and b can click: both should be ~0."""
    a, c = x[b - 1], x[b]
    cost = abs(a) + abs(c)
    if a * c > 0:  # no sign change here: not a zero crossing
        cost += 4 * min(abs(a), abs(c))
    return cost


def _best_point(x, lo, hi):
    lo, hi = max(1, int(lo)), min(len(x) - 1, int(hi))
    return min(range(lo, hi + 1), key=lambda b: (_join_cost(x, b), b))


def _pulse_boundaries(x, marks, period):
    """One boundary per pitch mark: a zero crossing just before the pulse.

    A first pass finds where, in the half period before each mark, the
    crossings usually are.  Then a shortest path over candidate points near
    that phase picks one boundary per mark, trading how much a cut there
    would click against how far the period strays from the fixed pitch.
    """
    first = [_best_point(x, m - 0.5 * period, m - 0.02 * period) - m for m in marks]
    phase = float(np.median(first))
    reach = max(2, int(round(0.12 * period)))
    lo = int(min(marks)) - period
    scale = 0.01 * max(1.0, np.abs(x[max(0, int(lo)):int(max(marks) + period)]).max())
    layers = []
    for m in marks:
        centre = int(round(m + phase))
        cands = [b for b in range(centre - reach, centre + reach + 1) if 1 <= b < len(x)]
        layers.append((cands, [_join_cost(x, b) / scale for b in cands]))
    # Viterbi over the layers: cost[i] of the best path ending at candidate i.
    cost = list(layers[0][1])
    back = []
    for (prev, _), (cands, own) in zip(layers[:-1], layers[1:]):
        row_cost, row_back = [], []
        for b, c in zip(cands, own):
            best = min(range(len(prev)),
                       key=lambda i: (cost[i] + JITTER_WEIGHT * (b - prev[i] - period) ** 2, i))
            row_cost.append(cost[best] + JITTER_WEIGHT * (b - prev[best] - period) ** 2 + c)
            row_back.append(best)
        cost, back = row_cost, back + [row_back]
    i = min(range(len(cost)), key=lambda j: (cost[j], j))
    path = [i]
    for row in reversed(back):
        i = row[i]
        path.append(i)
    path.reverse()
    return [layers[k][0][i] for k, i in enumerate(path)]


def taper_seams(periods, limit, length=6):
    """Where a period still ends or starts above `limit`, fades its last or
    first few samples towards zero, so that no join the engine makes can
    step by much more than twice the limit."""
    ramp = (np.arange(1, length + 1) / (length + 1))
    for k, p in enumerate(periods):
        if k > 0 and abs(p[0]) > limit:
            n = min(length, len(p) // 3)
            p[:n] *= ramp[:n]
        if k < len(periods) - 1 and abs(p[-1]) > limit:
            n = min(length, len(p) // 3)
            p[len(p) - n:] *= ramp[:n][::-1]


def _take(count, available):
    """Indices of `count` items out of `available`: the central ones, or with
    middle items repeated when there are too few."""
    if available >= count:
        start = (available - count) // 2
        return list(range(start, start + count))
    picks = list(range(available))
    extra = count - available
    mid = available // 2
    for i in range(extra):
        # Repeat items spread around the middle, each one in place.
        k = mid + ((i + 1) // 2) * (1 if i % 2 else -1)
        k = min(max(k, 1), available - 2)
        picks.insert(picks.index(k), k)
    return picks


def _fit_ends(x, start, end, total, slack):
    """Moves start and end (end exclusive) so that end - start == total,
    choosing the quietest pair of points within `slack` samples."""
    delta = total - (end - start)
    best = None
    for d1 in range(-slack, slack + 1):
        s, e = start - d1, end + delta - d1
        if abs(e - end) > slack or s < 1 or e + SCAN_SKIP_BACK_SAMPLES > len(x):
            continue
        cost = abs(x[s]) + abs(x[e - 1]) + 0.01 * abs(d1)
        if best is None or cost < best[0]:
            best = (cost, s, e)
    if best is None:
        raise RuntimeError("cannot fit ends: off by %d samples" % delta)
    return best[1], best[2]


def cut_voiced(unit, carrier):
    x = carrier.signal
    seg_lo, seg_hi = _segment_span(unit, carrier)
    period = SAMPLE_RATE / unit.f0
    marks = carrier.pitch_marks * SAMPLE_RATE
    inside = [m for m in marks if seg_lo + 0.5 * period <= m <= seg_hi - 0.5 * period]
    # A boundary before every pulse; a marked period spans `pulses` of them.
    bounds = _pulse_boundaries(x, inside, period)[::unit.pulses]
    spans = list(zip(bounds[:-1], bounds[1:]))
    picks = _take(unit.periods, len(spans))
    chosen = [spans[k] for k in picks]
    natural = sum(e - s for s, e in chosen)
    # Only the outer ends are free; inner boundaries stay at their pulses.
    s0, e0 = chosen[0][0], chosen[-1][1]
    slack = max(4, abs(unit.period_samples - natural) + 2)
    s1, e1 = _fit_ends(x, s0, e0, e0 - s0 + unit.period_samples - natural, slack)
    chosen[0] = (s1, chosen[0][1])
    chosen[-1] = (chosen[-1][0], e1)
    periods = [x[s:e].copy() for s, e in chosen]
    taper_seams(periods, SEAM_LIMIT * max(np.abs(p).max() for p in periods))
    return Cut(x[s1 - 1], periods, x[e1:e1 + SCAN_SKIP_BACK_SAMPLES].copy()), picks


def _contiguous(x, start, unit):
    """A cut with no marks whose scanned part starts at `start`."""
    start = int(round(start))
    end = start + unit.period_samples
    if start < 1 or end + SCAN_SKIP_BACK_SAMPLES > len(x):
        raise RuntimeError("%s: carrier too short for the cut" % unit.name)
    return Cut(x[start - 1], [x[start:end].copy()], x[end:end + SCAN_SKIP_BACK_SAMPLES].copy())


def _burst_onset(x, lo, hi):
    """First 1 ms frame after the quietest part of [lo, hi) that is 10x louder."""
    frame = SAMPLE_RATE // 1000
    lo, hi = int(lo), int(hi)
    rms = np.array([np.sqrt(np.mean(x[i:i + frame] ** 2)) for i in range(lo, hi - frame, frame)])
    quiet = int(np.argmin(rms))
    floor = max(rms[quiet], 1.0)
    for i in range(quiet, len(rms)):
        if rms[i] > 10 * floor and rms[i] > 0.05 * rms.max():
            return lo + i * frame
    raise RuntimeError("no release burst found")


def cut_plain(unit, carrier):
    """Units with no marks: centred, ending at the phone's end, or from the burst."""
    x = carrier.signal
    seg_lo, seg_hi = _segment_span(unit, carrier)
    length = unit.period_samples
    if unit.kind == "whole":
        start = (seg_lo + seg_hi - length) / 2
    elif unit.kind == "stop":
        start = seg_hi - length
    else:
        start = _burst_onset(x, seg_lo, seg_hi) - 0.003 * SAMPLE_RATE
    start = int(round(start))
    start, _ = _fit_ends(x, start, start + length, length, 6)
    return _contiguous(x, start, unit), None


def cut_noise(unit, carrier):
    """Unvoiced units with marks: equal segments, each cut at a quiet point."""
    x = carrier.signal
    seg_lo, seg_hi = _segment_span(unit, carrier)
    total = unit.period_samples
    start = int(round((seg_lo + seg_hi - total) / 2))
    start, end = _fit_ends(x, start, start + total, total, 8)
    step = total / unit.periods
    reach = max(3, int(step * 0.08))
    bounds = [start]
    for k in range(1, unit.periods):
        nominal = start + round(k * step)
        bounds.append(_best_point(x, nominal - reach, nominal + reach))
    bounds.append(end)
    periods = [x[s:e].copy() for s, e in zip(bounds[:-1], bounds[1:])]
    return Cut(x[start - 1], periods, x[end:end + SCAN_SKIP_BACK_SAMPLES].copy()), None


def cut(unit, carrier):
    if unit.kind == "voiced":
        return cut_voiced(unit, carrier)
    if unit.kind == "noise":
        return cut_noise(unit, carrier)
    return cut_plain(unit, carrier)


def fade_edges(c, samples):
    """Short raised-cosine fades at the outer ends of the scanned part, for
    units that do not start and end at a pulse boundary."""
    ramp = 0.5 - 0.5 * np.cos(np.pi * (np.arange(samples) + 0.5) / samples)
    first, last = c.periods[0], c.periods[-1]
    n = min(samples, len(first))
    first[:n] *= ramp[:n]
    n = min(samples, len(last))
    last[len(last) - n:] *= ramp[:n][::-1]

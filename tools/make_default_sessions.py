#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the three sessions the program ships with into data/.

Each design is given in minutes and Hz; this converts it to the graph units a
session file stores and checks it against the rules the curve editor enforces,
so a design that the editor could not have drawn never reaches a user.

LED sequence of a beat segment, by the band of its middle frequency:

    beta  (above 12 Hz)   7 Cruz,           else 6 Flip Flop
    alpha (8 to 12 Hz)    1 Rueda interior, else 2 Rueda exterior
    theta (4 to 8 Hz)     3 Ola interior,   else 4 Ola exterior
    delta (below 4 Hz)    5 On Off,         else 6 Flip Flop

The second choice is taken when the segment before already shows the first, so
the glasses change pattern at every point, and the busier patterns go with the
more wakeful bands.

Run from anywhere: python3 tools/make_default_sessions.py
"""

from fractions import Fraction
from pathlib import Path

HEADER = "Velorin Somnara"
BEAT_MAX = 15  # B, Hz at the top of the beat axis
BASE_MAX = 500  # F, Hz at the top of the base axis
BASE_SPAN = 450  # the base axis always spans 450 Hz
W, H, K = 6080, 2175, 40  # graph width and height, half a marker
SPAN_X = W - 2 * K  # 6000: Left of the last point
SPAN_Y = H - 2 * K  # 2095: Top of the bottom of the axis
MIN_GAP = 3 * 2 * K  # inner beat points keep three markers apart
MAX_POINTS = 30

BANDS = {  # band: (first sequence, second sequence)
    "beta": (7, 6),
    "alpha": (1, 2),
    "theta": (3, 4),
    "delta": (5, 6),
}

SESSIONS = [
    {
        # Settles a busy mind step by step through alpha into theta, rests
        # there, and comes back to a relaxed but alert alpha at the end.
        "file": "Relajación.vso",
        "minutes": 25,
        "beat": [(0, 14), (3, 12), (6, 10), (9, 8), (12, 6), (19.5, 6), (22.5, 8.5), (25, 10)],
        "base": [(0, 200), (12, 170), (19.5, 160), (25, 180)],
    },
    {
        # Follows the way into sleep: alpha, theta, then delta, and stays in
        # delta, a little lower still, so nothing wakes the listener at the end.
        "file": "Sueño.vso",
        "minutes": 30,
        "beat": [(0, 10), (4, 8), (8, 6), (12, 4.5), (16, 3), (20, 2), (30, 1.5)],
        "base": [(0, 160), (10, 140), (20, 120), (30, 110)],
    },
    {
        # Descends slowly to the alpha-theta border and moves gently around it
        # to keep the listener from drifting into sleep, rising a little to end.
        "file": "Meditación profunda.vso",
        "minutes": 20,
        "beat": [(0, 10), (3, 8.5), (6, 7), (9, 6.5), (12, 7.5), (15, 6.5), (18, 7), (20, 8)],
        "base": [(0, 210), (6, 190), (14, 180), (20, 195)],
    },
]


def whole(x):
    """Rounds a Fraction to the nearest integer, halves to even."""
    return round(Fraction(x))


def left_of(minute, minutes):
    return whole(Fraction(minute) / minutes * SPAN_X)


def beat_top(hz):
    return whole((BEAT_MAX - Fraction(hz)) * SPAN_Y / BEAT_MAX)


def base_top(hz):
    return whole((BASE_MAX - Fraction(hz)) * SPAN_Y / BASE_SPAN)


def band_of(hz):
    if hz > 12:
        return "beta"
    if hz >= 8:
        return "alpha"
    if hz >= 4:
        return "theta"
    return "delta"


def sequences(beat):
    out = []
    for (_, a), (_, b) in zip(beat, beat[1:]):
        first, second = BANDS[band_of((Fraction(a) + Fraction(b)) / 2)]
        out.append(second if out and out[-1] == first else first)
    return out


def number(value):
    """A number as the print-to-file style writes it: ' 25 ', '-3 '."""
    return ("" if value < 0 else " ") + str(value) + " "


def check_curve(name, lefts, tops, top_max, spaced):
    if not 2 <= len(lefts) <= MAX_POINTS:
        raise SystemExit(f"{name}: {len(lefts)} points")
    if lefts[0] != 0 or lefts[-1] != SPAN_X:
        raise SystemExit(f"{name}: the curve must run from 0 to {SPAN_X}")
    gap = MIN_GAP if spaced else 1
    for a, b in zip(lefts, lefts[1:]):
        if b - a < gap:
            raise SystemExit(f"{name}: points at {a} and {b} are too close")
    if any(not 0 <= t <= top_max for t in tops):
        raise SystemExit(f"{name}: a point lies outside the graph")


def session_text(s):
    minutes = s["minutes"]
    beat_left = [left_of(m, minutes) for m, _ in s["beat"]]
    beat_tops = [beat_top(hz) for _, hz in s["beat"]]
    base_left = [left_of(m, minutes) for m, _ in s["base"]]
    base_tops = [base_top(hz) for _, hz in s["base"]]
    check_curve(s["file"] + " beat", beat_left, beat_tops, SPAN_Y, True)
    check_curve(s["file"] + " base", base_left, base_tops, SPAN_Y, False)
    seqs = sequences(s["beat"])
    if any(a == b for a, b in zip(seqs, seqs[1:])):
        raise SystemExit(f"{s['file']}: two neighbouring segments share a sequence")

    lines = [HEADER, number(minutes), number(0), number(BEAT_MAX), number(BASE_MAX)]
    lines.append(number(len(beat_left)))
    for left, top in zip(beat_left, beat_tops):
        lines += [number(left), number(top)]
    lines.append(number(len(base_left)))
    for left, top in zip(base_left, base_tops):
        lines += [number(left), number(top)]
    lines += [str(q) for q in seqs]
    return "".join(line + "\r\n" for line in lines)


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    data.mkdir(exist_ok=True)
    for s in SESSIONS:
        # Every value is ASCII, so the bytes are the same in the 8-bit code page.
        (data / s["file"]).write_bytes(session_text(s).encode("ascii"))
        print(data / s["file"])


if __name__ == "__main__":
    main()

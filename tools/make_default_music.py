#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the four background songs the program ships with into data/.

Each is an original, slow General MIDI piece: a warm pad holding the chords,
a piano playing broken chords over them, a low string line, and a soft
melody now and then. The tempo breathes (a few changes per song, and a
slowing towards the end), so a song's length depends on its tempo map.

The playlist shows each length in whole seconds; the final chord is held so
that the song ends at exactly the length it is listed with, and this script
checks that by timing the file it wrote from its own bytes.

Run from anywhere: python3 tools/make_default_music.py
"""

import random
import struct
from pathlib import Path

PPQ = 480  # ticks per quarter note


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


class Track:
    """Absolute-time events, written out sorted with running status."""

    def __init__(self):
        self.events = []  # (tick, order, bytes)

    def add(self, tick, data, order=1):
        self.events.append((tick, order, bytes(data)))

    def note(self, tick, length, channel, key, velocity):
        self.add(tick, [0x90 | channel, key, velocity], 1)
        self.add(tick + length, [0x80 | channel, key, 0], 0)  # offs before ons at one tick

    def chunk(self, end_tick):
        body = bytearray()
        now = 0
        running = None
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += vlq(tick - now)
            now = tick
            if data[0] < 0xF0 and data[0] == running:
                body += data[1:]
            else:
                body += data
                running = data[0] if data[0] < 0xF0 else None  # strict readers end it at meta events
        body += vlq(end_tick - now) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def tempo_event(bpm):
    us = round(60_000_000 / bpm)
    return [0xFF, 0x51, 0x03, (us >> 16) & 0xFF, (us >> 8) & 0xFF, us & 0xFF]


# Chords as semitones above the key's tonic.
CHORDS = {
    "I": (0, 4, 7), "ii": (2, 5, 9), "iii": (4, 7, 11), "IV": (5, 9, 12),
    "V": (7, 11, 14), "vi": (9, 12, 16), "Imaj7": (0, 4, 7, 11), "IVmaj7": (5, 9, 12, 16),
    "vi7": (9, 12, 16, 19), "ii7": (2, 5, 9, 12), "Vsus": (7, 12, 14),
}


def compose(name, key, progression, sections, target_ms, seed):
    """sections: (bars, bpm) in order; the last one repeats until the song is
    nearly long enough. Every bar is 4/4 and one chord."""
    rng = random.Random(seed)
    bar = 4 * PPQ
    meta, pad, piano, strings, melody = Track(), Track(), Track(), Track(), Track()
    meta.add(0, b"\xff\x03" + vlq(len(name)) + name.encode("ascii"))
    meta.add(0, [0xFF, 0x58, 0x04, 4, 2, 24, 8])
    for ch, program, volume in ((0, 89, 100), (1, 0, 104), (2, 49, 84), (3, 73, 80)):
        trk = (pad, piano, strings, melody)[ch]
        trk.add(0, [0xC0 | ch, program])
        trk.add(0, [0xB0 | ch, 7, volume])
        trk.add(0, [0xB0 | ch, 91, 70])  # reverb send

    # Plan the bars and their tempi, and the time they take.
    plan = []  # (start tick, bpm)
    elapsed_us = 0.0
    tick = 0
    i = 0
    final_hold_ms = 9000
    while True:
        bars, bpm = sections[min(i, len(sections) - 1)]
        i += 1
        section_us = bars * 4 * 60_000_000 / bpm
        if elapsed_us + section_us > (target_ms - final_hold_ms) * 1000 and plan:
            # Fill the rest bar by bar at this tempo, slowing a little each bar.
            while True:
                bar_us = 4 * 60_000_000 / bpm
                if elapsed_us + bar_us > (target_ms - final_hold_ms) * 1000:
                    break
                plan.append((tick, bpm))
                tick += bar
                elapsed_us += bar_us
                bpm = max(40, bpm - 2)
            break
        for _ in range(bars):
            plan.append((tick, bpm))
            tick += bar
        elapsed_us += section_us

    last_bpm = None
    for n, (start, bpm) in enumerate(plan):
        if bpm != last_bpm:
            meta.add(start, tempo_event(bpm))
            last_bpm = bpm
        chord = CHORDS[progression[n % len(progression)]]
        root = key + chord[0]
        # Pad: the chord, held across the bar with a slight overlap.
        for s in chord:
            pad.note(start, bar - 20, 0, key + 12 + s, 70 + rng.randint(-4, 4))
        # Strings: the root, low.
        strings.note(start, bar - 10, 2, root - 12 if root >= key + 7 else root, 72)
        # Piano: broken chord in eighths, rising and falling.
        tones = [key + 24 + s for s in chord] + [key + 36 + chord[0]]
        shape = tones + tones[-2:0:-1]
        for k in range(8):
            pitch = shape[k % len(shape)]
            piano.note(start + k * PPQ // 2, PPQ, 1, pitch, 66 + rng.randint(-8, 8))
        # Melody: a long note on some bars, from the chord, an octave up.
        if n % 4 in (1, 2) and rng.random() < 0.8:
            pitch = key + 36 + rng.choice(chord)
            melody.note(start + PPQ, 2 * PPQ + rng.choice((0, PPQ)), 3, pitch, 64)

    # The closing chord on the tonic, held to the end.
    end_tick = tick
    hold_bpm = max(40, last_bpm - 4)
    meta.add(end_tick, tempo_event(hold_bpm))
    hold_us = target_ms * 1000 - elapsed_us
    us_per_tick = round(60_000_000 / hold_bpm) / PPQ
    final_tick = end_tick + round(hold_us / us_per_tick)
    for s in CHORDS["Imaj7"]:
        pad.note(end_tick, final_tick - end_tick - PPQ, 0, key + 12 + s, 68)
    piano.note(end_tick, 4 * PPQ, 1, key + 24, 62)
    strings.note(end_tick, final_tick - end_tick - PPQ, 2, key - 12, 68)

    tracks = (meta, pad, piano, strings, melody)
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), PPQ)
    return header + b"".join(t.chunk(final_tick) for t in tracks)


def length_ms(data):
    """Times a format 1 file from its tempo map, independently of compose()."""
    assert data[:4] == b"MThd"
    _, _, ntracks, ppq = struct.unpack(">IHHH", data[4:14])
    pos, tempos, end = 14, [], 0
    for _ in range(ntracks):
        size = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        body, pos = data[pos + 8:pos + 8 + size], pos + 8 + size
        p, tick, running = 0, 0, 0
        while p < len(body):
            delta = 0
            while True:
                b = body[p]
                p += 1
                delta = (delta << 7) | (b & 0x7F)
                if not b & 0x80:
                    break
            tick += delta
            status = body[p]
            if status & 0x80:
                p += 1
            else:
                status = running
            if status == 0xFF:
                kind, length = body[p], body[p + 1]
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(body[p + 2:p + 5], "big")))
                p += 2 + length
                if kind == 0x2F:
                    break
            else:
                running = status
                p += 1 if status & 0xE0 == 0xC0 else 2
        end = max(end, tick)
    us, at, tempo = 0, 0, 500_000
    for tick, t in sorted(tempos):
        us += (tick - at) * tempo
        at, tempo = tick, t
    us += (end - at) * tempo
    return us / ppq / 1000


SONGS = [
    # name, key (MIDI note of the tonic), progression, (bars, bpm) sections, length
    ("Amanecer", 48, ["Imaj7", "vi7", "IVmaj7", "Vsus"], [(16, 66), (16, 72), (24, 68)], 285_000),
    ("Bosque", 45, ["vi7", "IVmaj7", "I", "V"], [(12, 60), (16, 64), (16, 58)], 248_000),
    ("Marea", 50, ["I", "iii", "IV", "ii7"], [(8, 70), (12, 76), (12, 70)], 177_000),
    ("Nubes", 43, ["IVmaj7", "Imaj7", "ii7", "vi7"], [(16, 56), (20, 62), (24, 60)], 314_000),
]


def main():
    data_dir = Path(__file__).resolve().parent.parent / "data"
    for seed, (name, key, progression, sections, target) in enumerate(SONGS, 1):
        data = compose(name, key, progression, sections, target, seed)
        ms = length_ms(data)
        assert abs(ms - target) < 5, (name, ms, target)
        (data_dir / f"{name}.mid").write_bytes(data)
        print(f"{name}.mid: {len(data)} bytes, {ms / 1000:.3f} s")


if __name__ == "__main__":
    main()

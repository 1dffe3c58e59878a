#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the program's scalable icon: the picture of the about box (two tones a
# little apart, the slow beat they make, the glasses' two diamonds of lights)
# drawn as SVG on a 256-unit square. The PNG sizes come from the about box's
# own drawing: build/bench/shell/icon_pngs packaging/icons.
import math
import sys

S = 256.0


def wave_path(cycles, phase, amp):
    pts = []
    for i in range(201):
        t = i / 200
        y = S * 0.66 + amp * S * math.sin(2 * math.pi * cycles * t + phase)
        pts.append(f"{S * (0.1 + 0.8 * t):.2f},{y:.2f}")
    return "M" + " L".join(pts)


def beat_path():
    pts = []
    for i in range(201):
        t = i / 200
        env = abs(math.cos(math.pi * t)) * 0.2
        pts.append(f"{S * (0.1 + 0.8 * t):.2f},{S * 0.66 - env * S:.2f}")
    return "M" + " L".join(pts)


def main(out):
    leds = []
    for eye in range(2):
        cx, cy = S * (0.68 if eye else 0.32), S * 0.28
        d, r = S * 0.08, S * 0.032
        for k, (dx, dy) in enumerate([(-d, 0), (0, d), (d, 0), (0, -d)]):
            on = (k + eye) % 2 == 0
            radius = r * (2.2 if on else 1)
            leds.append(f'<circle cx="{cx + dx:.2f}" cy="{cy + dy:.2f}" r="{radius:.2f}" '
                        f'fill="url(#{"lit" if on else "unlit"})"/>')
    svg = f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Velorin Somnara</title>
  <defs>
    <radialGradient id="night" cx="{S * 0.5}" cy="{S * 0.42}" r="{S * 0.7}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#2c3e78"/>
      <stop offset="1" stop-color="#0a0e26"/>
    </radialGradient>
    <radialGradient id="lit">
      <stop offset="0" stop-color="#ffd678"/>
      <stop offset="0.45" stop-color="#ffd678"/>
      <stop offset="1" stop-color="#ffd678" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="unlit">
      <stop offset="0" stop-color="#5a4628"/>
      <stop offset="0.45" stop-color="#5a4628"/>
      <stop offset="1" stop-color="#5a4628" stop-opacity="0"/>
    </radialGradient>
  </defs>
  <rect x="{S * 0.02}" y="{S * 0.02}" width="{S * 0.96}" height="{S * 0.96}" rx="{S * 0.12}"
        fill="url(#night)" stroke="#003c73" stroke-width="{S / 64}"/>
  <g fill="none" stroke-linecap="round" stroke-width="{S / 60:.2f}">
    <path stroke="#5ac8ff" stroke-opacity="0.78" d="{wave_path(6, 0, 0.12)}"/>
    <path stroke="#ffbe5a" stroke-opacity="0.78" d="{wave_path(7, 0.6, 0.12)}"/>
  </g>
  <path fill="none" stroke="#ffffff" stroke-opacity="0.59" stroke-width="{S / 90:.2f}"
        stroke-dasharray="{S / 90 * 4:.2f} {S / 90 * 2:.2f}" d="{beat_path()}"/>
  {chr(10).join("  " + l for l in leds).strip()}
</svg>
'''
    with open(out, "w", encoding="utf-8") as f:
        f.write(svg)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "packaging/icons/velorin-somnara.svg")

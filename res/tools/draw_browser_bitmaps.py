#!/usr/bin/env python3
"""Draws the Super Browser's and the alarm dialogs' pictures as small SVGs.
Run from res/: python3 tools/draw_browser_bitmaps.py"""
import math
import os

OUT = "brevio/bitmaps"


def svg(name, size, body, comment):
    w, h = size
    with open(os.path.join(OUT, f"{name}.svg"), "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n')
        f.write(f"  <!-- {comment} -->\n")
        for line in body:
            f.write(f"  {line}\n")
        f.write("</svg>\n")


S = (16, 16)
svg(394, S, ['<path d="M8 2 C5 2 4 4.5 4 7 L4 10 L2.5 12 L13.5 12 L12 10 L12 7 C12 4.5 11 2 8 2 Z" fill="#f0c020" stroke="#705000"/>',
             '<circle cx="8" cy="13.5" r="1.5" fill="#705000"/>'], "alarms on/off: a bell")
svg(272, S, ['<path d="M7 2 C4.5 2 3.5 4.5 3.5 6.5 L3.5 9 L2 11 L12 11 L10.5 9 L10.5 6.5 C10.5 4.5 9.5 2 7 2 Z" fill="#f0c020" stroke="#705000"/>',
             '<path d="M10 14 L15 9 L13.5 7.5 L8.5 12.5 Z" fill="#4060c0" stroke="#102060"/>'], "define alarms: a bell and a pencil")
svg(714, S, ['<path d="M13 8 A5 5 0 1 1 11 4" fill="none" stroke="#206020" stroke-width="2"/>',
             '<path d="M9.5 1.5 L13.5 4 L9.5 6.5 Z" fill="#206020"/>'], "restart: a circular arrow")
svg(713, S, ['<rect x="2" y="3" width="12" height="10" fill="#000000" stroke="#404040"/>',
             '<path d="M4 10 L6 7 L8 9 L10 5 L12 8" fill="none" stroke="#40ff40"/>'], "refresh the display")
svg(204, S, ['<circle cx="8" cy="8" r="4.5" fill="#a0a0a0" stroke="#404040" stroke-width="1.5"/>',
             '<circle cx="8" cy="8" r="1.8" fill="#ffffff" stroke="#404040"/>']
    + [f'<rect x="7" y="0.5" width="2" height="3" fill="#606060" transform="rotate({a} 8 8)"/>' for a in range(0, 360, 45)],
    "options: a cog")
svg(236, S, ['<rect x="1.5" y="2.5" width="13" height="11" fill="#ffffff" stroke="#404040"/>',
             '<path d="M3 7 L3 4 L6 4 M10 4 L13 4 L13 7 M13 9 L13 12 L10 12 M6 12 L3 12 L3 9" fill="none" stroke="#2040a0" stroke-width="1.5"/>'],
    "full screen")
svg(758, (18, 18), ['<rect x="2" y="2" width="14" height="8" fill="#202020" stroke="#404040"/>',
                    '<rect x="2" y="11" width="14" height="5" fill="#ffe080" stroke="#404040"/>'],
    "show or hide the transmit panel")
svg(750, S, ['<rect x="2" y="2" width="12" height="12" fill="#fff5ea" stroke="#404040"/>',
             '<path d="M4 5 L12 5 M4 8 L10 8" stroke="#808080"/>',
             '<path d="M6 9 L13 14 M13 9 L6 14" stroke="#c00000" stroke-width="2"/>'], "erase the receive window")
svg(749, S, ['<rect x="2" y="2" width="12" height="12" fill="#ffffff" stroke="#404040"/>',
             '<path d="M4 5 L12 5 M4 8 L10 8" stroke="#000000"/>',
             '<path d="M6 9 L13 14 M13 9 L6 14" stroke="#c00000" stroke-width="2"/>'], "erase the transmit window")
svg(237, S, ['<rect x="3" y="1.5" width="10" height="13" fill="#c08040" stroke="#603000"/>',
             '<rect x="5" y="3.5" width="6" height="3" fill="#ffffff"/>',
             '<path d="M5 9 L11 9 M5 11 L11 11" stroke="#ffffff"/>'], "add to logbook")
svg(234, S, ['<rect x="3.5" y="7" width="9" height="7" fill="#d0a000" stroke="#604000"/>',
             '<path d="M5.5 7 L5.5 5 A2.5 2.5 0 0 1 10.5 5 L10.5 7" fill="none" stroke="#606060" stroke-width="1.5"/>'],
    "lock the transmit frequency")
svg(751, S, ['<rect x="2.5" y="2.5" width="11" height="11" fill="#ffffff" stroke="#404040"/>',
             '<path d="M4.5 5.5 L11.5 5.5 M4.5 8 L11.5 8 M4.5 10.5 L9 10.5" stroke="#2040a0"/>'], "a macro")
svg(752, S, ['<rect x="2.5" y="2.5" width="11" height="11" fill="#ffffff" stroke="#404040"/>',
             '<path d="M5 4 L12 8 L5 12 Z" fill="#d01010"/>'], "a macro that is sent at once")
svg(202, S, ['<path d="M2 6 L5 6 L9 2.5 L9 13.5 L5 10 L2 10 Z" fill="#404040"/>',
             '<path d="M11 5 A4 4 0 0 1 11 11 M12.5 3 A6.5 6.5 0 0 1 12.5 13" fill="none" stroke="#404040"/>'],
    "speak or test: a loudspeaker")
svg(207, S, ['<circle cx="6.5" cy="6.5" r="4" fill="#e0f0ff" stroke="#204070" stroke-width="1.5"/>',
             '<path d="M9.5 9.5 L14 14" stroke="#204070" stroke-width="2.5"/>'], "test: a magnifier")
svg(313, S, ['<path d="M3 8.5 L6.5 12 L13 4" fill="none" stroke="#208020" stroke-width="2.5" stroke-linecap="round"/>'], "OK")
svg(314, S, ['<path d="M4 4 L12 12 M12 4 L4 12" stroke="#c02020" stroke-width="2.5" stroke-linecap="round"/>'], "Cancel")
for n, id_ in enumerate([210, 729, 730, 731], start=1):
    svg(id_, (24, 24), ['<rect x="1.5" y="1.5" width="21" height="21" rx="3" fill="#fff5ea" stroke="#404040"/>',
                        f'<text x="12" y="17.5" text-anchor="middle" font-size="15" font-weight="bold" '
                        f'font-family="sans-serif" fill="#404000">{n}</text>'], f"hand the signal to channel {n}")
# The searching animation: a sweep turning through twelve positions.
for frame in range(12):
    a = math.radians(frame * 30 - 90)
    x, y = 32 + 26 * math.cos(a), 32 + 26 * math.sin(a)
    body = ['<circle cx="32" cy="32" r="28" fill="#001800" stroke="#00a000" stroke-width="1.5"/>',
            '<circle cx="32" cy="32" r="18" fill="none" stroke="#005000"/>',
            '<circle cx="32" cy="32" r="8" fill="none" stroke="#005000"/>',
            f'<path d="M32 32 L{x:.1f} {y:.1f}" stroke="#40ff40" stroke-width="2"/>']
    for k in range(1, 4):
        b = math.radians(frame * 30 - 90 - 10 * k)
        bx, by = 32 + 26 * math.cos(b), 32 + 26 * math.sin(b)
        body.append(f'<path d="M32 32 L{bx:.1f} {by:.1f}" stroke="#20a020" stroke-opacity="{0.6 / k:.2f}" stroke-width="2"/>')
    svg(715 + frame, (64, 64), body, f"searching, frame {frame + 1} of 12")

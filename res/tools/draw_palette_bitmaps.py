#!/usr/bin/env python3
"""Draws the palette editor's pictures as small SVGs.
Run from res/: python3 tools/draw_palette_bitmaps.py"""
import os


def svg(path, size, body, comment):
    w, h = size
    with open(path, "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n')
        f.write(f"  <!-- {comment} -->\n")
        for line in body:
            f.write(f"  {line}\n")
        f.write("</svg>\n")


STRIP = ['<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#ffffff"/><stop offset="0.2" stop-color="#ffffff"/>'
         '<stop offset="0.65" stop-color="#000086"/><stop offset="1" stop-color="#00003f"/>'
         '</linearGradient></defs>']

svg("brevio/bitmaps/190.svg", (16, 16),
    STRIP + ['<rect x="1.5" y="1.5" width="6" height="13" fill="url(#g)" stroke="#000000"/>',
             '<path d="M8.5 8 L13 5.5 L13 10.5 Z" fill="#f0c020" stroke="#000000"/>',
             '<path d="M12 1 L12 5 M10 3 L14 3" stroke="#008000" stroke-width="1.6"/>'],
    "add a peg: a peg beside a gradient, with a plus")
svg("brevio/bitmaps/260.svg", (16, 16),
    STRIP + ['<rect x="1.5" y="1.5" width="6" height="13" fill="url(#g)" stroke="#000000"/>',
             '<path d="M14 9 A4 4 0 1 1 12.5 5" fill="none" stroke="#206020" stroke-width="1.8"/>',
             '<path d="M11 2.5 L14.5 5 L11 7 Z" fill="#206020"/>'],
    "restore the default gradient: a circular arrow beside a gradient")
svg("brevio/icons/190.svg", (32, 32),
    STRIP + ['<rect x="3.5" y="2.5" width="12" height="27" fill="url(#g)" stroke="#000000"/>',
             '<path d="M17 10 L27 5 L27 15 Z" fill="#ffffff" stroke="#000000"/>',
             '<path d="M17 21 L27 16 L27 26 Z" fill="#000086" stroke="#000000"/>'],
    "the palette editor: a gradient strip with two pegs")

#!/usr/bin/env python3
"""Draws the banner pictures: 205 the background tile, 206 the logo (white is
its transparent colour) and 347 the small marquee logo (pure red is its
transparent colour). Hard pixel edges, so the transparent colours are exact.
Run from res/: python3 tools/draw_banner_bitmaps.py. Standard library only."""
import math
import struct
import zlib


def write_rgb_png(path, width, height, pixel):
    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def tile(x, y):
    base = (216, 222, 232)
    wave = (203, 211, 224)
    for y0 in (16, 48):
        if abs(y - (y0 - 4 * math.sin(2 * math.pi * x / 32))) < 1.0:
            return wave
    if (x - 16) ** 2 + (y - 32) ** 2 <= 2 or (x - 48) ** 2 + (y - 32) ** 2 <= 2:
        return (194, 203, 218)
    return base


def in_arc(x, y, cx, cy, r, width, left):
    d = math.hypot(x - cx, y - cy)
    if abs(d - r) > width / 2:
        return False
    angle = math.degrees(math.atan2(y - cy, (cx - x) if left else (x - cx)))
    return abs(angle) <= 55


def in_triangle(x, y, top, half_base, bottom, cx):
    if y < top or y > bottom:
        return False
    half = half_base * (y - top) / (bottom - top)
    return abs(x + 0.5 - cx) <= half


def logo(x, y):
    cx, cy = 80, 34
    if (x - cx) ** 2 + (y - 30) ** 2 <= 64:
        return (217, 130, 43)
    if in_triangle(x, y, 30, 11, 90, cx):
        return (29, 61, 107)
    for r, colour in ((22, (47, 95, 159)), (36, (74, 124, 191)), (50, (112, 152, 207))):
        if in_arc(x, y, cx, cy, r, 5, True) or in_arc(x, y, cx, cy, r, 5, False):
            return colour
    if abs(y - (90 - 4 * math.sin(2 * math.pi * x / 48))) < 1.5 and 8 <= x <= 152 and not (66 <= x <= 94):
        return (217, 130, 43)
    return (255, 255, 255)


def marquee_logo(x, y):
    cx = 12
    if (x - cx) ** 2 + (y - 6) ** 2 <= 9:
        return (255, 210, 74)
    if in_triangle(x, y, 6, 5, 23, cx):
        return (29, 61, 107)
    if in_arc(x, y, cx, 7, 8, 2, True) or in_arc(x, y, cx, 7, 8, 2, False):
        return (255, 255, 255)
    return (255, 0, 0)


write_rgb_png("bitmaps/205.png", 64, 64, tile)
write_rgb_png("bitmaps/206.png", 160, 96, logo)
write_rgb_png("bitmaps/347.png", 24, 24, marquee_logo)

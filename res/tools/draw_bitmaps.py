#!/usr/bin/env python3
"""Draws the toolkit's small palette bitmaps as indexed PNGs (8 bits per pixel,
so the programs see a colour table). Run from res/: python3 tools/draw_bitmaps.py
Only the standard library is used."""
import math
import struct
import zlib


def write_png(path, width, height, palette, rows):
    """rows: list of lists of palette indexes."""
    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    plte = b"".join(bytes(c) for c in palette)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", plte)
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def from_art(path, art, colours):
    """art: list of strings, one character per pixel; colours: char -> RGB.
    The palette is ordered as the colours dict."""
    keys = list(colours)
    palette = [colours[k] for k in keys]
    rows = [[keys.index(ch) for ch in line] for line in art]
    width = len(art[0])
    assert all(len(line) == width for line in art), path
    write_png(path, width, len(art), palette, rows)


RED = (255, 0, 0)
WHITE = (255, 255, 255)

# Save: a diskette, red as the mask colour.
SAVE = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbbwwwwwwwwbbk.",
    ".kbbwwwwwwwwbbk.",
    ".kbbwwwwwwwwbbk.",
    ".kbbwwwwwwwwbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbggggggggbbk.",
    ".kbbgkkgggggbbk.",
    ".kbbgkkgggggbbk.",
    ".kbbgkkgggggbbk.",
    ".kbbggggggggbbk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
]
from_art("bitmaps/218.png", SAVE, {".": RED, "k": (0, 0, 0), "b": (32, 64, 160),
                                   "w": WHITE, "g": (192, 192, 192)})

# Load: an open folder with a green arrow coming out of it, red as the mask.
LOAD = [
    "................",
    "..........g.....",
    ".........ggg....",
    "........ggggg...",
    ".kkkk.....g.....",
    "kyyyyk....g.....",
    "kyyyyykkkkgkkk..",
    "kyyyyyyyyygyyk..",
    "kyykkkkkkkkkkkkk",
    "kyykooooooooooko",
    "kykooooooooooko.",
    "kykoooooooooko..",
    "kkooooooooooko..",
    "kkoooooooooko...",
    "kkkkkkkkkkkkk...",
    "................",
]
from_art("bitmaps/257.png", LOAD, {".": RED, "k": (0, 0, 0), "y": (192, 160, 64),
                                   "o": (240, 208, 112), "g": (0, 128, 64)})

# Up and down arrows on white, the mask colour of their buttons.
UP = [
    "...........",
    ".....k.....",
    "....kgk....",
    "...kgggk...",
    "..kgggggk..",
    ".kkkgggkkk.",
    "...kgggk...",
    "...kgggk...",
    "...kgggk...",
    "...kkkkk...",
    "...........",
]
ARROW_COLOURS = {".": WHITE, "k": (0, 0, 0), "g": (0, 128, 64)}
from_art("bitmaps/225.png", UP, ARROW_COLOURS)
from_art("bitmaps/226.png", list(reversed(UP)), ARROW_COLOURS)


def antenna_strip(path, frames=6, size=30):
    """A mast radiating waves: frame k shows k arcs on each side."""
    palette = [(255, 0, 255), (0, 0, 0), (96, 96, 96), (0, 96, 192), (80, 160, 255), (200, 40, 40)]
    bg, black, grey, deep, light, red = range(6)
    width = frames * size
    rows = [[bg] * width for _ in range(size)]

    def put(x, y, c):
        if 0 <= x < width and 0 <= y < size:
            rows[y][x] = c

    for f in range(frames):
        ox = f * size
        cx, top = ox + size // 2, 8
        for y in range(top, size - 2):  # mast
            put(cx, y, black)
        for y in range(size - 8, size - 2):  # legs
            d = (y - (size - 8)) // 2 + 1
            put(cx - d, y, grey)
            put(cx + d, y, grey)
        put(cx, top - 1, red)
        put(cx - 1, top, red)
        put(cx + 1, top, red)
        for arc in range(f % frames):
            radius = 4 + arc * 3
            colour = deep if arc % 2 == 0 else light
            for step in range(-40, 41, 4):
                a = math.radians(step)
                dx = int(round(radius * math.cos(a)))
                dy = int(round(radius * math.sin(a)))
                put(cx + dx, top + dy, colour)
                put(cx - dx, top + dy, colour)
    write_png(path, width, size, palette, rows)


antenna_strip("bitmaps/263.png")

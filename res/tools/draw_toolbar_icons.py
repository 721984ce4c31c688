#!/usr/bin/env python3
"""Draws the toolbar pictures of both programs as SVGs on a 20 x 20 grid, so
they come out sharp at 20 x 20 and at 40 x 40 (lines sit on half pixels).
Radio pictures are ours alone; the pictures named after the desktop's
standard actions ("document-open", "edit-undo", ...) are the fallbacks used
when the desktop's icon theme lacks them. Also draws the two programs'
application icons (64 x 64 grid). Run from res/: python3 tools/draw_toolbar_icons.py
Only the standard library is used."""
import math

# Tango-like palette: outline, greys, and the accent colours.
K = "#2e3436"
G1, G2, G3, G4 = "#eeeeec", "#d3d7cf", "#babdb6", "#888a85"
G5 = "#555753"
BL, BLD, BLL = "#3465a4", "#204a87", "#729fcf"
RD, RDD, RDL = "#cc0000", "#a40000", "#ef2929"
GN, GND, GNL = "#73d216", "#4e9a06", "#8ae234"
OR, ORL = "#f57900", "#fcaf3e"
YE, YEL = "#edd400", "#fce94f"
BR, BRL = "#8f5902", "#e9b96e"
PU = "#75507b"
WH = "#ffffff"
LCD = "#f0c24a"   # the FT-817's amber display


def svg(name, body, size=20, folder="icons"):
    text = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (size, size, size, size)) + "\n".join(body) + "\n</svg>\n"
    with open("%s/%s.svg" % (folder, name), "w") as f:
        f.write(text)


def rect(x, y, w, h, fill, stroke=K, rx=0, sw=1):
    s = ' stroke="%s" stroke-width="%g"' % (stroke, sw) if stroke else ""
    r = ' rx="%g"' % rx if rx else ""
    return '<rect x="%g" y="%g" width="%g" height="%g" fill="%s"%s%s/>' % (x, y, w, h, fill, s, r)


def circle(cx, cy, r, fill, stroke=K, sw=1):
    s = ' stroke="%s" stroke-width="%g"' % (stroke, sw) if stroke else ""
    return '<circle cx="%g" cy="%g" r="%g" fill="%s"%s/>' % (cx, cy, r, fill, s)


def path(d, fill="none", stroke=K, sw=1, cap="round", join="round"):
    s = ' stroke="%s" stroke-width="%g" stroke-linecap="%s" stroke-linejoin="%s"' % (stroke, sw, cap, join) \
        if stroke else ""
    return '<path d="%s" fill="%s"%s/>' % (d, fill, s)


def poly(points, fill, stroke=K, sw=1):
    pts = " ".join("%g,%g" % p for p in points)
    s = ' stroke="%s" stroke-width="%g" stroke-linejoin="round"' % (stroke, sw) if stroke else ""
    return '<polygon points="%s" fill="%s"%s/>' % (pts, fill, s)


# ----------------------------------------------------------------- pieces

def arrow(x, y, direction, colour, dark, size=1.0):
    """A fat arrow with its tip at (x, y)."""
    s = size
    shapes = {
        "down": [(0, 0), (-4, -4), (-1.5, -4), (-1.5, -8), (1.5, -8), (1.5, -4), (4, -4)],
        "up": [(0, 0), (-4, 4), (-1.5, 4), (-1.5, 8), (1.5, 8), (1.5, 4), (4, 4)],
        "right": [(0, 0), (-4, -4), (-4, -1.5), (-8, -1.5), (-8, 1.5), (-4, 1.5), (-4, 4)],
        "left": [(0, 0), (4, -4), (4, -1.5), (8, -1.5), (8, 1.5), (4, 1.5), (4, 4)],
    }[direction]
    return poly([(x + px * s, y + py * s) for px, py in shapes], colour, dark)


def gear(cx, cy, r=3.5):
    pts = []
    for i in range(16):
        a = math.pi * 2 * i / 16
        rr = r if i % 2 == 0 else r * 0.72
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return [poly(pts, G3, K, 0.8), circle(cx, cy, r * 0.32, WH, K, 0.7)]


def star(cx, cy, r, fill=YE, stroke="#c4a000"):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + math.pi * i / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((round(cx + rr * math.cos(a), 2), round(cy + rr * math.sin(a), 2)))
    return poly(pts, fill, stroke)


def plus(cx, cy, colour=GND, light=GN):
    return poly([(cx - 1.5, cy - 4), (cx + 1.5, cy - 4), (cx + 1.5, cy - 1.5), (cx + 4, cy - 1.5),
                 (cx + 4, cy + 1.5), (cx + 1.5, cy + 1.5), (cx + 1.5, cy + 4), (cx - 1.5, cy + 4),
                 (cx - 1.5, cy + 1.5), (cx - 4, cy + 1.5), (cx - 4, cy - 1.5), (cx - 1.5, cy - 1.5)],
                light, colour)


def cross(cx, cy, r=3.5, colour=RD):
    return path("M%g %gL%g %gM%g %gL%g %g" % (cx - r, cy - r, cx + r, cy + r, cx + r, cy - r, cx - r, cy + r),
                stroke=colour, sw=2.2)


def radio(x=1.5, y=5.5, w=17, h=10):
    """The FT-817 seen from the front: body, amber display, knob, buttons."""
    return [rect(x, y, w, h, G5, K, 1.2),
            rect(x + 2, y + 2, w * 0.5, h * 0.4, LCD, "#8f5902", 0.3, 0.8),
            circle(x + w - 4, y + h / 2, 2.6, G3, K, 0.9),
            circle(x + w - 4, y + h / 2, 0.8, G5, None),
            rect(x + 2, y + h - 3.2, 2, 1.3, G3, None), rect(x + 5, y + h - 3.2, 2, 1.3, G3, None),
            rect(x + 8, y + h - 3.2, 2, 1.3, G3, None)]


def card(x=3.5, y=1.5, w=13, h=17, fill=YEL, stroke="#c4a000"):
    """A memory card: a slot of the radio's memory, corner clipped."""
    return [poly([(x, y), (x + w - 4, y), (x + w, y + 4), (x + w, y + h), (x, y + h)], fill, stroke),
            rect(x + 2, y + 1, 1.2, 3, "#c4a000", None), rect(x + 4.5, y + 1, 1.2, 3, "#c4a000", None),
            rect(x + 7, y + 1, 1.2, 3, "#c4a000", None)]


SEGMENTS = {  # a b c d e f g
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg", "5": "acdfg",
    "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def digits(text, x, y, w, h, colour=K, sw=1.4):
    """Seven-segment digits, like the radio's display."""
    out = []
    n = len(text)
    gap = w * 0.22 if n > 1 else 0
    dw = (w - gap * (n - 1)) / n
    for i, ch in enumerate(text):
        x0 = x + i * (dw + gap)
        x1, ym, y1 = x0 + dw, y + h / 2, y + h
        seg = {"a": (x0, y, x1, y), "b": (x1, y, x1, ym), "c": (x1, ym, x1, y1), "d": (x0, y1, x1, y1),
               "e": (x0, ym, x0, y1), "f": (x0, y, x0, ym), "g": (x0, ym, x1, ym)}
        d = "".join("M%g %gL%g %g" % seg[s] for s in SEGMENTS[ch])
        out.append(path(d, stroke=colour, sw=sw, cap="square"))
    return out


def chart_frame(x=1.5, y=2.5, w=17, h=15, fill="#000000"):
    return [rect(x, y, w, h, fill, K, 1)]


def funnel(colour=BL, dark=BLD):
    return poly([(2.5, 3.5), (17.5, 3.5), (11.5, 10.5), (11.5, 16.5), (8.5, 17.5), (8.5, 10.5)], colour, dark)


def book(x=3.5, y=2.5, w=13, h=15):
    return [rect(x + 1, y + 1, w - 1, h - 1, G1, G4), rect(x, y, w - 1, h - 1, BR, "#5c3a00", 1),
            rect(x + 1.5, y, 1, h - 1, "#5c3a00", None),
            rect(x + 4, y + 3, w - 7, 3, BRL, None)]


def page(x=3.5, y=1.5, w=12, h=17):
    return [poly([(x, y), (x + w - 4, y), (x + w, y + 4), (x + w, y + h), (x, y + h)], WH, G4),
            path("M%g %gL%g %gL%g %g" % (x + w - 4, y, x + w - 4, y + 4, x + w, y + 4), stroke=G4)]


def window(x=1.5, y=2.5, w=17, h=15):
    return [rect(x, y, w, h, WH, K, 1), rect(x, y, w, 3, BL, K, 0)]


def signal_peak(x, base, height, width, colour=GN):
    return path("M%g %g Q%g %g %g %g Q%g %g %g %g" % (x - width, base, x - width / 4, base, x, base - height,
                                                      x + width / 4, base, x + width, base), stroke=colour, sw=1.3)


def waterfall(x=2.5, y=3.5, w=15, h=13):
    out = [rect(x - 1, y - 1, w + 2, h + 2, "#0b1f5c", K, 1)]
    for i, (col, width) in enumerate([(7, 1.6), (13, 1)]):
        out.append(rect(x + col - width / 2, y, width, h, YEL if i == 0 else BLL, None))
    for row in range(0, int(h), 3):
        out.append(rect(x, y + row, w, 0.6, "#16307a", None))
    return out


# ----------------------------------------------------------------- standard action fallbacks

def standard():
    svg("document-new", page() + [plus(14, 14)])
    svg("document-open", [poly([(1.5, 4.5), (7.5, 4.5), (9, 6), (16.5, 6), (16.5, 16.5), (1.5, 16.5)], BRL, BR),
                          poly([(4, 9), (19, 9), (16.5, 16.5), (1.5, 16.5)], YEL, BR)])
    floppy = [rect(2.5, 2.5, 15, 15, BL, BLD, 1), rect(5.5, 2.5, 9, 6, WH, BLD), rect(5.5, 11.5, 9, 6, G2, BLD),
              rect(11.5, 3.5, 2, 4, BLD, None)]
    svg("document-save", floppy)
    svg("document-save-as", floppy + [path("M12 17 L17.5 11.5 L19 13 L13.5 18.5 L11.5 18.5 Z", OR, K, 0.8)])
    svg("document-properties", page() + [path("M6 7H12M6 10H13M6 13H13M6 16H10", stroke=G4)] +
        [path("M10 18 L17 11 L19 13 L12 20 Z", YE, K, 0.8)])
    svg("edit-copy", page(2.5, 1.5, 10, 13) + page(7.5, 5.5, 10, 13))
    svg("edit-delete", [path("M4.5 5.5H15.5L14.5 18.5H5.5Z", G2, G5), path("M3 5.5H17", stroke=G5, sw=1.5),
                        path("M8 3.5H12", stroke=G5, sw=1.5), path("M8 8V16M10 8V16M12 8V16", stroke=G4)] +
        [cross(14.5, 14.5, 3)])
    undo = path("M5 8 H12 A4.5 4.5 0 0 1 12 17 H8", stroke=BLD, sw=2.4)
    svg("edit-undo", [undo, poly([(1.5, 8), (6.5, 3.5), (6.5, 12.5)], BL, BLD)])
    svg("edit-redo", ['<g transform="matrix(-1 0 0 1 20 0)">', undo, poly([(1.5, 8), (6.5, 3.5), (6.5, 12.5)], BL, BLD),
                      "</g>"])
    svg("view-fullscreen", [rect(2.5, 4.5, 15, 11, G1, K, 1)] +
        [poly(p, BL, BLD, 0.8) for p in ([(3.5, 5.5), (8, 5.5), (3.5, 9)], [(16.5, 5.5), (12, 5.5), (16.5, 9)],
                                        [(3.5, 14.5), (8, 14.5), (3.5, 11)], [(16.5, 14.5), (12, 14.5), (16.5, 11)])])
    svg("preferences-system", gear(10, 10, 8))
    svg("mail-message-new", [rect(1.5, 4.5, 17, 11, WH, G5, 0.5), path("M1.5 4.5 L10 11 L18.5 4.5", stroke=G5),
                             plus(15, 14.5)])
    person = lambda x, y, c: [circle(x, y, 2.6, c, K, 0.8), path("M%g %g a4.5 4.5 0 0 1 9 0 Z" % (x - 4.5, y + 8),
                                                                  c, K, 0.8)]
    svg("system-users", person(13, 5, BLL) + person(7, 7.5, ORL))
    svg("web-browser", [circle(10, 10, 8, BLL, BLD), path("M2 10H18M10 2V18", stroke=BLD, sw=0.8),
                        path("M10 2 A4 8 0 0 0 10 18 A4 8 0 0 0 10 2", stroke=BLD, sw=0.8),
                        path("M3.5 5.5 H16.5 M3.5 14.5 H16.5", stroke=BLD, sw=0.7),
                        path("M6 5 Q8 8 6 10 Q5 13 8 16 L11 14 Q12 11 9 9 Z", GN, None)])
    svg("changes-prevent", [path("M6 9 V6 A4 4 0 0 1 14 6 V9", stroke=G4, sw=2.2),
                            rect(3.5, 8.5, 13, 10, YE, "#c4a000", 1.5), circle(10, 12.5, 1.5, K, None),
                            rect(9.3, 13, 1.4, 3, K, None)])
    svg("media-playback-stop", [rect(3.5, 3.5, 13, 13, RD, RDD, 1.5)])
    svg("media-playback-start", [poly([(4.5, 2.5), (17, 10), (4.5, 17.5)], GN, GND)])
    svg("media-seek-backward", [poly([(10, 3.5), (2, 10), (10, 16.5)], BL, BLD), poly([(18, 3.5), (10, 10), (18, 16.5)],
                                                                                      BL, BLD)])
    speaker = [poly([(2.5, 7.5), (6, 7.5), (10.5, 3.5), (10.5, 16.5), (6, 12.5), (2.5, 12.5)], G3, K)]
    svg("multimedia-volume-control", speaker + [path("M13 7 Q15 10 13 13", stroke=BL, sw=1.4),
                                                path("M15.5 5 Q19 10 15.5 15", stroke=BL, sw=1.4)])
    svg("list-add", ['<g transform="translate(10 10) scale(2.1) translate(-10 -10)">', plus(10, 10, GND, GN), "</g>"])
    svg("view-refresh", [path("M15.5 6.5 A6.5 6.5 0 1 0 16.5 11", stroke=GND, sw=2.4),
                         poly([(12, 2.5), (18.5, 3), (16.5, 9)], GN, GND)])
    svg("view-sort-ascending", [path("M4 3V16", stroke=K, sw=1.5), poly([(1, 13), (7, 13), (4, 17.5)], K, None),
                                rect(9.5, 3.5, 3, 2, BL, None), rect(9.5, 7.5, 5, 2, BL, None),
                                rect(9.5, 11.5, 7, 2, BL, None), rect(9.5, 15.5, 9, 2, BL, None)])
    svg("utilities-terminal", [rect(1.5, 2.5, 17, 15, "#000000", G4, 1), rect(1.5, 2.5, 17, 3, G3, G4, 0),
                               path("M4 9 L7 11 L4 13", stroke=GNL, sw=1.3), path("M9 13.5H13", stroke=GNL, sw=1.3)])
    svg("go-up", [arrow(10, 2.5, "up", BL, BLD, 1.8)])
    svg("go-down", [arrow(10, 17.5, "down", BL, BLD, 1.8)])
    svg("bookmark-new", [star(9, 10, 8)] + [plus(15, 15)])
    svg("help-contents", [circle(10, 10, 8, BL, BLD), path("M7.5 7.5 A2.5 2.5 0 1 1 10 10.5 V12", stroke=WH, sw=2),
                          circle(10, 15, 1.2, WH, None)])
    svg("edit-find", [circle(8, 8, 5.5, BLL, K, 1.6), path("M12 12 L17.5 17.5", stroke=K, sw=2.8)])
    svg("edit-clear", [path("M3 13 L10 6 L16 12 L11 17 H7 Z", RDL, RDD), path("M7 9 L13 15", stroke=RDD),
                       path("M11 17.5 H18", stroke=G4)])


# ----------------------------------------------------------------- radio pictures

def radio_pictures():
    # Main toolbar of the radio program.
    svg("selection-window", window() + [path("M4 8.5H16M4 14.5H16", stroke=G4), rect(3, 10, 14, 3, BLL, None),
                                        path("M4 11.5H13", stroke=BLD)])
    svg("smeter-history", chart_frame(fill=WH) + [path("M2 7.5H18M2 12.5H18M7.5 3V17M12.5 3V17", stroke=G2, sw=0.6),
                                                  path("M2.5 15 L5 11 L7 13 L10 6 L12.5 9 L15 5 L17.5 8",
                                                       stroke=GND, sw=1.5)])
    svg("quick-save-toolbar", [rect(0.5, 5.5, 19, 9, G2, G4, 1.5)] +
        sum([card(2 + 6 * i, 7, 4.5, 6, YEL, "#c4a000")[:1] for i in range(3)], []) +
        [path("M3.5 10.5H5M9.5 10.5H11M15.5 10.5H17", stroke=K, sw=0.8)])
    svg("memory-save", [rect(4.5, 8.5, 11, 9, "#2e3436", K, 0.8)] +
        [rect(5.5 + 2 * i, 17.5, 1, 2, G4, None) for i in range(5)] +
        [rect(5.5 + 2 * i, 6.5, 1, 2, G4, None) for i in range(5)] +
        [circle(6.5, 10.5, 0.7, G4, None), arrow(10, 11, "down", GN, GND, 1.2)])
    svg("scan-band", [path("M1.5 16.5H18.5", stroke=K), path("M3 16V18M7 16V18M11 16V18M15 16V18", stroke=K, sw=0.8),
                      signal_peak(6, 15.5, 6, 2.5), signal_peak(13, 15.5, 4, 2.5),
                      arrow(18.5, 5, "right", BL, BLD, 1.0), path("M2 5H11", stroke=BLD, sw=1, cap="butt")])
    svg("scan-memory", card(6.5, 1.5, 11, 13, YEL) + card(2.5, 5.5, 11, 13, YE) +
        [path("M5 14 A3.5 3.5 0 1 0 8 10", stroke=BLD, sw=1.5), poly([(6, 8), (10, 9.5), (7, 12)], BL, BLD, 0.8)])
    knob = [circle(10, 11, 7, G3, K), circle(10, 11, 5, G2, G4, 0.8)]
    svg("fine-tuning", knob + [path("M10 11 L10 6.5", stroke=RD, sw=1.5)] +
        [path("M%g %g L%g %g" % (10 + 8.2 * math.cos(a), 11 + 8.2 * math.sin(a), 10 + 9.5 * math.cos(a),
                                 11 + 9.5 * math.sin(a)), stroke=K, sw=0.7)
         for a in [math.pi * (1.15 + 0.1 * i) for i in range(8)]])
    svg("transmit", [path("M10 7 L6.5 18.5 M10 7 L13.5 18.5 M8 13 H12 M7 16 H13", stroke=G5, sw=1.2),
                     circle(10, 6, 1.6, RD, RDD),
                     path("M6.5 3 A5 5 0 0 0 6.5 9 M13.5 3 A5 5 0 0 1 13.5 9", stroke=RD, sw=1.2),
                     path("M4 1 A8 8 0 0 0 4 11 M16 1 A8 8 0 0 1 16 11", stroke=RDL, sw=1.2)])
    svg("transverter", [circle(10, 10, 4.5, WH, K, 1.2), path("M6.8 6.8 L13.2 13.2 M13.2 6.8 L6.8 13.2", stroke=K),
                        path("M1 10 H5", stroke=BLD, sw=1.4), poly([(5.5, 10), (3, 8), (3, 12)], BLD, None),
                        path("M15 10 H17", stroke=RDD, sw=1.4), poly([(19.5, 10), (17, 8), (17, 12)], RDD, None),
                        path("M10 19 V15.5", stroke=GND, sw=1.4), poly([(10, 15), (8, 17.5), (12, 17.5)], GND, None)])
    svg("dx-cluster", [circle(10, 10, 8, BLL, BLD), path("M10 2 A4 8 0 0 0 10 18 A4 8 0 0 0 10 2", stroke=BLD, sw=0.7),
                       path("M2 10H18", stroke=BLD, sw=0.7),
                       path("M5 5 Q8 7 6 10 Q5 13 8 15 L10 13 Q11 10 9 8 Z", GN, None)] +
        [circle(x, y, 1.6, RD, WH, 0.7) for x, y in [(6, 7), (14, 6), (12.5, 13.5)]])
    svg("fst-mode", knob + [path("M6.5 8.5 L9 11 L6.5 13.5 M10.5 8.5 L13 11 L10.5 13.5", stroke=BLD, sw=1.6)])
    svg("cw-settings", [rect(1.5, 14.5, 17, 4, BR, "#5c3a00", 1), path("M4 13 L16 10", stroke=G5, sw=2),
                        circle(15.5, 10, 2.4, K, None), rect(5, 12.5, 2, 2.5, G4, None),
                        path("M3 5.5H4.5M7 5.5H12M14.5 5.5H16", stroke=BLD, sw=2, cap="round")])
    svg("repeater", [path("M7 18.5 L10 4 L13 18.5 M8 14 L12 14 M8.8 10 L11.2 10 M7.5 16.5 L12.5 11.5 M12.5 16.5 L7.5 11.5",
                          stroke=G5, sw=1.1),
                     circle(10, 3.5, 1.3, RD, None),
                     arrow(4, 3, "up", GN, GND, 0.6), arrow(16, 9, "down", OR, "#ce5c00", 0.6)])
    svg("ft817-manager", radio(1.5, 2.5, 17, 9) + [rect(5.5, 12.5, 13, 7, WH, G4),
                                                   path("M7 14.5H16M7 16.5H16M7 18.5H13", stroke=BL, sw=0.8)])
    # Quick save slots: the slot's number on a memory card, the arrow in for save, out for load.
    for n in range(1, 11):
        number = str(n)
        body = card(1.5, 1.5, 13, 17)
        body += digits(number, 3.5 if n == 10 else 5, 6, 8 if n == 10 else 5, 9, K, 1.3)
        svg("quick-save-%d" % n, body + [arrow(17.5, 19, "down", GN, GND, 0.75)])
        svg("quick-load-%d" % n, body + [arrow(17.5, 11, "up", BL, BLD, 0.75)])
    svg("quick-erase", card(1.5, 1.5, 13, 17) + [cross(8, 11, 4)])
    svg("quick-definitions", card(1.5, 1.5, 13, 17) + [path("M4 8H11M4 11H11M4 14H9", stroke="#8f5902"),
                                                       path("M11 19 L18 12 L19.5 13.5 L12.5 20.5 Z", OR, K, 0.8)])
    # The logbook's bar.
    svg("logbook-add", book() + [plus(15, 15)])
    svg("filter-apply", [funnel()])
    svg("filter-remove", [funnel(G3, G4), cross(15, 15, 3)])
    svg("radio-display", radio(1.5, 4.5, 17, 11))
    svg("logbook-display", book(3.5, 2.5, 14, 16) + [path("M8 8H14M8 10.5H14", stroke="#5c3a00", sw=0.6)])
    svg("io-log", [rect(1.5, 2.5, 17, 15, "#000000", G4, 1),
                   path("M4 6H9M11 6H16M4 9H7M9 9H14M4 12H10", stroke=GNL, sw=1),
                   path("M4 15H11", stroke=ORL, sw=1)])

    # Radio bar of the digital-mode program.
    svg("frequency-down", [path("M1.5 15.5H18.5M4 14V17M8 14V17M12 14V17M16 14V17", stroke=K, sw=0.8),
                           arrow(2, 8, "left", BL, BLD, 1.2)])
    svg("frequency-up", [path("M1.5 15.5H18.5M4 14V17M8 14V17M12 14V17M16 14V17", stroke=K, sw=0.8),
                         arrow(18, 8, "right", BL, BLD, 1.2)])
    svg("favourite-down", [star(13, 9, 6.5), arrow(1.5, 15, "left", BL, BLD, 0.9)])
    svg("favourite-up", [star(7, 9, 6.5), arrow(18.5, 15, "right", BL, BLD, 0.9)])
    svg("start-radio-display", radio(1.5, 5.5, 17, 10))
    amp = [(3.5, 3.5), (16.5, 10), (3.5, 16.5)]
    svg("preamp", [poly(amp, GNL, GND, 1.2), path("M5 10H10M7.5 7.5V12.5", stroke=GND, sw=1.6)])
    svg("attenuator", [path("M1 10H4 L5 7 L7 13 L9 7 L11 13 L13 7 L15 13 L16 10 H19", stroke=K, sw=1.2),
                       arrow(10, 19, "down", RD, RDD, 0.6), path("M6 3H14", stroke=RD, sw=1.6)])
    svg("narrow-filter", [path("M1.5 17.5H18.5", stroke=K),
                          path("M2 17 C7 17 8 4 10 4 C12 4 13 17 18 17", BLL, BLD, 1.2),
                          path("M6 2.5 L8 4.5 M14 2.5 L12 4.5", stroke=K, sw=1.2)])
    svg("noise-blanker", [path("M1 11 L3 9 L4 12 L5 10 L6 11 L7 2 L8 18 L9 11 L10 10 L11 12 L12 10 L13 11 L14 3 "
                               "L15 17 L16 10 L17 12 L19 10", stroke=G4, sw=0.9),
                          rect(5.5, 1.5, 3, 17, "none", RD, 0, 1.4), rect(12.5, 1.5, 3, 17, "none", RD, 0, 1.4)])
    svg("dig-mode", [rect(1.5, 3.5, 17, 13, "#000000", K, 1),
                     path("M3 13 V7 H6 V13 H8 V7 H9.5 V13 H13 V7 H15 V13 H17", stroke=GNL, sw=1.1)])

    # Display and option bars of the digital-mode program.
    svg("waterfall-display", waterfall())
    svg("spectrum-display", chart_frame(1.5, 3.5, 17, 13) +
        [path("M2.5 14 L4 13 L5 14 L6 12 L7 13 L8 5 L9 13 L10.5 12.5 L12 14 L13 8 L14 13 L16 13.5 L17.5 12.5",
              stroke=GNL, sw=1)])
    svg("input-display", chart_frame(1.5, 3.5, 17, 13) +
        [path("M2.5 10 " + " ".join("L%g %g" % (2.5 + i * 0.5, 10 - 4 * math.sin(i * 0.5 * 0.9))
                                    for i in range(1, 31)), stroke=YEL, sw=1),
         path("M2 10H18", stroke=G5, sw=0.5)])
    svg("palette-editor", ['<defs><linearGradient id="g" x1="0" x2="1"><stop offset="0" stop-color="#000040"/>'
                           '<stop offset="0.35" stop-color="#3465a4"/><stop offset="0.7" stop-color="#fce94f"/>'
                           '<stop offset="1" stop-color="#ffffff"/></linearGradient></defs>',
                           rect(1.5, 4.5, 17, 8, "url(#g)", K, 1)] +
        [poly([(x, 13.5), (x - 2, 17.5), (x + 2, 17.5)], G2, K, 0.8) for x in (2.5, 8, 13, 17.5)])
    svg("waterfall-options", waterfall(1.5, 2.5, 12, 11) + gear(15, 15, 4.5))
    svg("waterfall-data-options", chart_frame(0.5, 1.5, 14, 12) +
        [path("M1.5 11 L3 10 L5 11 L6 4 L7 11 L9 10 L10 6 L11 11 L13.5 10.5", stroke=GNL, sw=1)] + gear(15, 15, 4.5))
    sound_card = [rect(0.5, 5.5, 15, 9, "#2a6f1f", K, 0.5), rect(2, 14.5, 10, 2, YE, "#c4a000"),
                  rect(2.5, 7.5, 5, 4, K, None), circle(13, 8, 1.2, G2, K, 0.6), circle(13, 11.5, 1.2, PU, K, 0.6)]
    svg("soundcard-options", sound_card + gear(15.5, 15.5, 4))
    svg("soundcard-start", sound_card + [poly([(13, 11), (19.5, 15), (13, 19)], GN, GND)])
    svg("distance-options", [circle(9, 9, 7.5, BLL, BLD), path("M4 12 L14 6", stroke=RD, sw=1.3),
                             circle(4, 12, 1.3, RD, None), circle(14, 6, 1.3, RD, None)] + gear(15.5, 15.5, 4))
    axes = [path("M2.5 2.5V17.5H18", stroke=K)]
    svg("fft-root", axes + [path("M3 17 C3.5 9 7 6 17 4.5", stroke=BL, sw=1.5)])
    svg("fft-log", axes + [path("M3 17 C5 4 10 4 17 3.5", stroke=GND, sw=1.5), path("M3 10H17", stroke=G3, sw=0.5)])
    svg("fft-log-clip", axes + [path("M3 17 C4 8 6 7 8 7 H17", stroke=OR, sw=1.5), path("M3 7H18", stroke=RD,
                                                                                      sw=0.8)])
    svg("adjust-frequency-range", [path("M1.5 15.5H18.5M4 14V17M8 14V17M12 14V17M16 14V17", stroke=K, sw=0.8),
                                   path("M4 7H16", stroke=BLD, sw=1.5), poly([(1, 7), (5, 4), (5, 10)], BL, BLD),
                                   poly([(19, 7), (15, 4), (15, 10)], BL, BLD)])
    svg("clock", [circle(10, 10, 8, WH, K, 1.2), path("M10 5V10L13.5 12", stroke=K, sw=1.4)] +
        [circle(10 + 6.5 * math.cos(a * math.pi / 6), 10 + 6.5 * math.sin(a * math.pi / 6), 0.6, K, None)
         for a in range(12)])
    peak = [path("M1.5 17.5H18.5", stroke=K), signal_peak(10, 17, 11, 4)]
    svg("afc-off", peak + [path("M10 3V17", stroke=G4, sw=0.8, cap="butt"), cross(15, 6, 3)])
    svg("afc-fast", peak + [path("M2 6 L5 8 L2 10 M5 6 L8 8 L5 10 M18 6 L15 8 L18 10 M15 6 L12 8 L15 10",
                                 stroke=BLD, sw=1.3)])
    svg("afc-custom", peak + [path("M3 4V12 M17 4V12", stroke=BLD, sw=1.2), path("M3 8H17", stroke=BLD, sw=0.8),
                              poly([(3, 8), (6, 6), (6, 10)], BL, None), poly([(17, 8), (14, 6), (14, 10)], BL, None)])
    svg("centre-channel", [path("M1.5 17.5H18.5", stroke=K), path("M3 17 V4 H17 V17", stroke=BLL, sw=1.2),
                           signal_peak(10, 17, 9, 3), arrow(9, 6, "right", OR, "#ce5c00", 0.5),
                           arrow(11, 6, "left", OR, "#ce5c00", 0.5)])
    svg("centre-undo", [path("M1.5 17.5H18.5", stroke=K), path("M3 17 V8 H17 V17", stroke=BLL, sw=1.2),
                        signal_peak(10, 17, 6, 3), path("M6 5 H12 A2.5 2.5 0 0 1 12 10", stroke=BLD, sw=1.4),
                        poly([(3, 5), (6.5, 2.5), (6.5, 7.5)], BL, BLD, 0.8)])
    # Organiser and manager toolbars.
    svg("bulk-edit", page(2.5, 1.5, 10, 13) + page(6.5, 4.5, 10, 13) +
        [path("M9 19 L17 11 L19 13 L11 21 Z", YE, K, 0.8)])
    svg("memory-save-vfo", radio(0.5, 1.5, 14, 8) + card(9.5, 10.5, 9, 9) + [arrow(6, 18, "down", GN, GND, 0.7)])
    svg("autofit-columns", [rect(1.5, 3.5, 17, 13, WH, K, 0), path("M7.5 3.5V16.5M13.5 3.5V16.5", stroke=G4),
                            path("M3 10H6M9 10H12", stroke=BLD, sw=1.2), poly([(7.5, 10), (5.5, 8), (5.5, 12)], BL,
                                                                             None),
                            poly([(7.5, 10), (9.5, 8), (9.5, 12)], BL, None)])
    svg("memory-enable", card() + [path("M6 11 L9 14.5 L15 6.5", stroke=GND, sw=2.2)])
    svg("memory-disable", card(3.5, 1.5, 13, 17, G2, G4) + [circle(10, 11, 4.5, "none", RD, 1.6),
                                                            path("M6.8 14.2 L13.2 7.8", stroke=RD, sw=1.6)])
    svg("memory-duplicates", card(6.5, 1.5, 11, 13, YEL) + card(2.5, 5.5, 11, 13, YE) +
        [path("M5 12H11M5 15H11", stroke=K, sw=1.4)])


# ----------------------------------------------------------------- application icons

def application_icons():
    # FT-817 Corvane: the little transceiver, its amber display and tuning
    # knob, with a whip antenna.
    corvane = [
        '<defs><linearGradient id="body" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#6b6e68"/>'
        '<stop offset="1" stop-color="#2e3436"/></linearGradient></defs>',
        path("M52 22 L58 3", stroke=K, sw=2.5),
        circle(58, 3, 2, K, None),
        rect(3, 22, 58, 34, "url(#body)", K, 5, 2),
        rect(8, 27, 30, 13, LCD, "#8f5902", 2, 1.5),
        path("M11 37 V30 H14 M17 37 V30 M20 30 H23 V37 M26 30 V37 H29 M31 30 H34 V37", stroke="#5c3a00", sw=1.6,
             cap="butt"),
        circle(50, 38, 9, G3, K, 2), circle(50, 38, 6, G2, G4, 1), circle(52.5, 34.5, 1.4, K, None),
        rect(8, 45, 6, 4, G3, K, 1, 0.8), rect(17, 45, 6, 4, G3, K, 1, 0.8), rect(26, 45, 6, 4, G3, K, 1, 0.8),
        rect(35, 45, 4, 4, RD, K, 1, 0.8),
    ]
    svg("corvane", corvane, 64)
    # PSK31 Brevio: a waterfall with a PSK31 trace and a keyboard's key.
    brevio = [
        rect(3, 3, 58, 44, "#0b1f5c", K, 4, 2),
        rect(18, 5, 4, 40, "#fce94f", None), rect(19, 5, 2, 40, "#ffffff", None),
        rect(40, 5, 3, 40, "#729fcf", None), rect(47, 5, 2, 40, "#3465a4", None),
        path("M5 14H59M5 24H59M5 34H59", stroke="#16307a", sw=2),
        rect(10, 48, 44, 13, G2, K, 3, 2),
        path("M16 54.5H20M23 54.5H25M28 54.5H36M39 54.5H41M44 54.5H48", stroke=K, sw=3),
    ]
    svg("brevio", brevio, 64)


standard()
radio_pictures()
application_icons()

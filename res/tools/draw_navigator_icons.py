#!/usr/bin/env python3
"""Draws the navigator bar's pictures as SVG files in corvane/bitmaps/. Every picture is designed on a
32 x 32 grid; the small list shows it at 20 x 16 (centred), the large list
at 32 x 32. Run from res/: python3 tools/draw_navigator_icons.py"""

FOLDER = '<path d="M3 8 h10 l3 3 h13 v16 h-26 z" fill="#e8b84a" stroke="#8a6414" stroke-width="1.5"/>'
OPEN_FOLDER = ('<path d="M3 8 h10 l3 3 h11 v4 h-24 z" fill="#c99a2e" stroke="#8a6414" stroke-width="1.5"/>'
               '<path d="M3 27 l5 -12 h23 l-5 12 z" fill="#f3cf6e" stroke="#8a6414" stroke-width="1.5"/>')
STAR = ('<path d="M16 3 l3.9 8.1 8.9 1.2 -6.5 6.2 1.6 8.8 -7.9 -4.3 -7.9 4.3 1.6 -8.8 -6.5 -6.2 8.9 -1.2 z" '
        'fill="#f5c518" stroke="#9a6f00" stroke-width="1.5" stroke-linejoin="round"/>')
DOCUMENT = ('<path d="M7 3 h13 l6 6 v20 h-19 z" fill="#ffffff" stroke="#555" stroke-width="1.5"/>'
            '<path d="M11 14 h11 M11 18 h11 M11 22 h8" stroke="#777" stroke-width="1.5"/>')
MEMORY = ('<rect x="6" y="5" width="20" height="22" rx="2" fill="#3a6ea5" stroke="#1d3d63" stroke-width="1.5"/>'
          '<text x="16" y="22" font-family="sans-serif" font-size="15" font-weight="bold" fill="#fff" '
          'text-anchor="middle">M</text>')
BAND_SET = ('<rect x="3" y="6" width="26" height="20" fill="#fdfdfd" stroke="#444" stroke-width="1.5"/>'
            '<rect x="5" y="10" width="8" height="4" fill="#d9453b"/><rect x="15" y="10" width="12" height="4" '
            'fill="#3b8ad9"/><rect x="8" y="18" width="14" height="4" fill="#43a047"/>')
MANAGER = ('<circle cx="16" cy="16" r="8" fill="#9aa5b1" stroke="#3c4650" stroke-width="2"/>'
           '<circle cx="16" cy="16" r="3" fill="#fff"/>'
           '<path d="M16 3 v5 M16 24 v5 M3 16 h5 M24 16 h5 M7 7 l3.5 3.5 M21.5 21.5 l3.5 3.5 M7 25 l3.5 -3.5 '
           'M21.5 10.5 l3.5 -3.5" stroke="#3c4650" stroke-width="3" stroke-linecap="round"/>')
BAND_PLAN = ('<rect x="2" y="8" width="28" height="16" fill="#1e2a36" stroke="#0b1118" stroke-width="1.5"/>'
             '<path d="M5 20 v-6 M9 20 v-3 M13 20 v-6 M17 20 v-3 M21 20 v-6 M25 20 v-3" stroke="#9fe3ff" '
             'stroke-width="1.5"/><path d="M18 10 v12" stroke="#ff5a3c" stroke-width="2"/>')
BAND_SCAN = ('<rect x="2" y="5" width="28" height="22" fill="#0f2a18" stroke="#06120a" stroke-width="1.5"/>'
             '<path d="M4 22 L8 20 L11 12 L14 21 L18 17 L21 8 L24 20 L28 19" fill="none" stroke="#6cff8a" '
             'stroke-width="2" stroke-linejoin="round"/>')
MEMORY_SCAN = ('<rect x="4" y="4" width="16" height="24" fill="#fff" stroke="#444" stroke-width="1.5"/>'
               '<path d="M7 9 h10 M7 14 h10 M7 19 h10 M7 24 h10" stroke="#3a6ea5" stroke-width="2"/>'
               '<path d="M24 8 v16 M20 20 l4 5 4 -5" fill="none" stroke="#d9453b" stroke-width="2.5" '
               'stroke-linecap="round" stroke-linejoin="round"/>')
RELOAD = ('<path d="M25 16 a9 9 0 1 1 -3 -6.7" fill="none" stroke="#2e7d32" stroke-width="3.5" '
          'stroke-linecap="round"/><path d="M17 5 h8 v8 z" fill="#2e7d32"/>')
COUNTRY = ('<circle cx="16" cy="16" r="12" fill="#4aa3df" stroke="#1d5d8a" stroke-width="1.5"/>'
           '<path d="M9 9 q4 2 3 6 q-3 2 -1 6 q3 2 2 5 M19 6 q-1 4 3 5 q4 0 5 4 M18 20 q3 -1 5 2" fill="none" '
           'stroke="#2e7d32" stroke-width="3" stroke-linecap="round"/>')
TOOLBAR = ('<rect x="2" y="9" width="28" height="14" rx="2" fill="#e0e0e0" stroke="#555" stroke-width="1.5"/>'
           '<rect x="5" y="12" width="6" height="8" fill="#3a6ea5"/><rect x="13" y="12" width="6" height="8" '
           'fill="#d9453b"/><rect x="21" y="12" width="6" height="8" fill="#43a047"/>')
CLOSE_FOLDERS = FOLDER + '<path d="M10 19 h13" stroke="#8a1c1c" stroke-width="3.5" stroke-linecap="round"/>'

# (small id, large id, drawing)
PICTURES = [
    (192, 200, FOLDER), (191, 199, OPEN_FOLDER), (195, 198, DOCUMENT), (193, 196, STAR), (194, 197, MEMORY),
    (303, 302, BAND_SET), (304, 305, MANAGER), (306, 307, BAND_PLAN), (311, 423, BAND_SCAN),
    (356, 424, MEMORY_SCAN), (361, 362, RELOAD), (419, 420, COUNTRY), (421, 422, TOOLBAR),
    (431, 432, CLOSE_FOLDERS),
]

def write(path, width, height, body):
    with open(path, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 32 32">\n  %s\n</svg>\n'
                % (width, height, body))


for small, large, body in PICTURES:
    write("corvane/bitmaps/%d.svg" % small, 20, 16, body)
    write("corvane/bitmaps/%d.svg" % large, 32, 32, body)

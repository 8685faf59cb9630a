"""Button faces and the small pictures: icons, digits, progress slots, row icons, marker, logos."""

import math

from palette import ACCENT, ACCENT_BRIGHT, ACCENT_DEEP, BLACK, COLOUR_KEY, DEEP, EDGE, \
    GRAPHITE, HIGHLIGHT, KEYED_BACKDROP, LCD, LIST, SURFACE, TEXT, TEXT_DIM
from raster import mix
from strokes import draw_centred, draw_text, text_width

STATES = ("normal", "hover", "down", "disabled")

# The face of a button in each state: top and bottom of its gradient, its edge, its ink.
FACES = {
    "normal": ((66, 70, 77), (38, 41, 46), (92, 97, 105), TEXT),
    "hover": ((80, 85, 93), (46, 49, 55), (120, 112, 104), (240, 242, 245)),
    "down": ((30, 32, 36), (44, 47, 52), ACCENT, ACCENT_BRIGHT),
    "disabled": ((40, 42, 46), (34, 36, 40), (54, 57, 62), (84, 88, 95)),
}
SELECTED_INK = ACCENT


def button_face(canvas, state, selected=False, radius=None):
    """A rounded button filling the canvas; corners outside it are left in the colour key."""
    w, h = canvas.width, canvas.height
    top, bottom, edge, _ = FACES[state]
    r = radius if radius is not None else min(6, h / 3)
    canvas.fill(0, 0, w, h, KEYED_BACKDROP)
    if selected and state != "disabled":
        canvas.rounded(0, 0, w, h, r, ACCENT, 0.45)
        canvas.rounded(1, 1, w - 2, h - 2, r - 1, ACCENT)
    else:
        canvas.rounded(0, 0, w, h, r, BLACK)
        canvas.rounded(1, 1, w - 2, h - 2, r - 1, edge)
    canvas.rounded(2, 2, w - 4, h - 4, r - 2, top, bottom=bottom)
    if state in ("normal", "hover"):
        canvas.line(r, 2.5, w - r, 2.5, 1, HIGHLIGHT, 0.45)
    canvas.replace(KEYED_BACKDROP, COLOUR_KEY)


def ink(state, selected=False):
    if state == "disabled":
        return FACES["disabled"][3]
    return SELECTED_INK if selected else FACES[state][3]


def offset(state):
    """Pressed faces move their icon one pixel down and right."""
    return 1 if state == "down" else 0


# -- icons drawn on button faces (centred on cx, cy) ---------------------------------------------

def icon_level(canvas, cx, cy, bars, colour):
    """Light bars for the level buttons: 0 to 3 bars lit."""
    for n in range(3):
        x = cx - 7 + n * 5.5
        height = 5 + n * 3
        lit = n < bars
        canvas.rounded(x, cy + 6 - height, 3.6, height, 1.2, colour if lit else (70, 74, 80),
                       1.0 if lit else 0.8)
    if bars == 0:
        canvas.line(cx - 8, cy + 6, cx + 8, cy - 6, 1.4, colour)


def icon_play(canvas, cx, cy, colour, size=8):
    canvas.polygon([(cx - size * 0.6, cy - size), (cx + size, cy), (cx - size * 0.6, cy + size)],
                   colour)


def icon_pause(canvas, cx, cy, colour, size=8):
    canvas.rounded(cx - size * 0.75, cy - size, size * 0.55, 2 * size, 1.2, colour)
    canvas.rounded(cx + size * 0.2, cy - size, size * 0.55, 2 * size, 1.2, colour)


def icon_circular_arrow(canvas, cx, cy, radius, colour, width=2.2):
    points = [(cx + radius * math.cos(a), cy + radius * math.sin(a))
              for a in [math.radians(d) for d in range(-60, 241, 12)]]
    canvas.polyline(points, width, colour)
    tip_x, tip_y = points[0]
    head = radius * 0.55
    canvas.polygon([(tip_x - head, tip_y - head * 0.2), (tip_x + head * 0.5, tip_y - head * 0.9),
                    (tip_x + head * 0.55, tip_y + head * 0.7)], colour)


def icon_document(canvas, cx, cy, colour, size=12):
    x, y = cx - size * 0.75, cy - size
    w, h = size * 1.5, size * 2
    canvas.polyline([(x + w * 0.65, y), (x, y), (x, y + h), (x + w, y + h), (x + w, y + h * 0.3),
                     (x + w * 0.65, y), (x + w * 0.65, y + h * 0.3), (x + w, y + h * 0.3)], 1.8,
                    colour)
    for n in range(3):
        ly = y + h * (0.5 + n * 0.15)
        canvas.line(x + w * 0.22, ly, x + w * 0.78, ly, 1.4, colour, 0.8)


def icon_info(canvas, cx, cy, colour, size=12):
    canvas.circle(cx, cy, size, colour)
    canvas.circle(cx, cy, size - 2, mix(colour, DEEP, 0.85))
    canvas.circle(cx, cy - size * 0.45, size * 0.14, colour)
    canvas.line(cx, cy - size * 0.1, cx, cy + size * 0.5, size * 0.22, colour)


def icon_power(canvas, cx, cy, colour, size=7):
    points = [(cx + size * math.cos(a), cy + size * math.sin(a))
              for a in [math.radians(d) for d in range(-50, 231, 10)]]
    canvas.polyline(points, 1.8, colour)
    canvas.line(cx, cy - size - 1.5, cx, cy - 1, 1.8, colour)


def icon_arrow(canvas, cx, cy, colour, up, size=7):
    sign = -1 if up else 1
    canvas.polygon([(cx - size, cy - sign * size * 0.2), (cx + size, cy - sign * size * 0.2),
                    (cx, cy + sign * size * 0.8)], colour)
    canvas.line(cx, cy - sign * size * 0.1, cx, cy - sign * size * 0.9, size * 0.45, colour)


# -- pictures of Image components and image lists ------------------------------------------------

SEGMENTS = {  # seven segments as strokes on a 10 x 20 grid: a b c d e f g
    "a": ((2.8, 1), (7.2, 1)), "b": ((9, 2.8), (9, 8.4)), "c": ((9, 11.6), (9, 17.2)),
    "d": ((2.8, 19), (7.2, 19)), "e": ((1, 11.6), (1, 17.2)), "f": ((1, 2.8), (1, 8.4)),
    "g": ((2.8, 10), (7.2, 10)),
}
DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                  "abcdfg"]


def digit(canvas, value):
    """A seven-segment digit lit in the accent, the unlit segments faintly visible."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, LCD)
    sx, sy = (w - 6) / 10, (h - 6) / 20
    lit = DIGIT_SEGMENTS[value]
    for name, ((x0, y0), (x1, y1)) in SEGMENTS.items():
        on = name in lit
        x0, x1 = 3 + x0 * sx - (y0 + y1) * 0.06, 3 + x1 * sx - (y0 + y1) * 0.06
        p = [(x0 + 3.5, 3 + y0 * sy), (x1 + 3.5, 3 + y1 * sy)]
        if on:
            canvas.line(p[0][0], p[0][1], p[1][0], p[1][1], 5, ACCENT, 0.18)
        canvas.line(p[0][0], p[0][1], p[1][0], p[1][1], 2.6, ACCENT if on else (34, 30, 28))


def separator(canvas):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, LCD)
    for y in (h * 0.34, h * 0.68):
        canvas.circle(w / 2, y, 3.4, ACCENT, 0.2)
        canvas.circle(w / 2, y, 2.0, ACCENT)


def progress_slots(canvas, slots):
    """The progress bar's track with its slots (x, y, w, h) recessed into it."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, GRAPHITE)
    canvas.rounded(0, 0, w, h, 6, BLACK)
    canvas.rounded(1, 1, w - 2, h - 2, 5, SURFACE, bottom=GRAPHITE)
    for x, y, sw, sh in slots:
        canvas.rounded(x - 1, y - 1, sw + 2, sh + 2, 3, BLACK)
        canvas.rounded(x, y, sw, sh, 2, DEEP)
        canvas.line(x + 2, y + sh - 0.5, x + sw - 2, y + sh - 0.5, 1, EDGE, 0.4)


def progress_segment(canvas):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, DEEP)
    canvas.rounded(0, 0, w, h, 2.5, ACCENT_DEEP)
    canvas.rounded(0.5, 0.5, w - 1, h - 1, 2, ACCENT_BRIGHT, bottom=ACCENT)
    canvas.line(3, 2.5, w - 3, 2.5, 1, (255, 232, 200), 0.6)


def key_picture(canvas, legend, backdrop, state="normal", selected=False):
    """A programmable key seen from above, as the tiles and the macro editor show it."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, backdrop)
    top, bottom, edge, _ = FACES[state]
    if selected:
        canvas.rounded(0, 0, w, h, 7, ACCENT, 0.5)
        canvas.rounded(1, 1, w - 2, h - 2, 6, ACCENT)
    else:
        canvas.rounded(0.5, 0.5, w - 1, h - 1, 7, BLACK)
        canvas.rounded(1.5, 1.5, w - 3, h - 3, 6, edge)
    canvas.rounded(2.5, 2.5, w - 5, h - 5, 5, mix(top, HIGHLIGHT, 0.15), bottom=bottom)
    canvas.rounded(6, 5, w - 12, h - 13, 4, top, bottom=mix(top, bottom, 0.7))
    colour = ink(state, selected)
    height = 11
    if text_width(legend, height) > w - 16:
        height = 10
    draw_centred(canvas, w / 2 + offset(state), h / 2 - 2 + offset(state), height, legend, colour,
                 weight=1.9)


def row_icon(canvas, kind):
    """Row icons of the macro editor: 0 a press, 1 a delay, 2 a release."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, LIST)
    cx, cy = w / 2, h / 2
    if kind == 1:
        canvas.circle(cx, cy, 6.5, TEXT_DIM)
        canvas.circle(cx, cy, 5.2, LIST)
        canvas.line(cx, cy, cx, cy - 3.6, 1.4, TEXT)
        canvas.line(cx, cy, cx + 2.8, cy + 1, 1.4, TEXT)
        return
    press = kind == 0
    canvas.rounded(cx - 6.5, cy + 3.5, 13, 3.5, 1.2, ACCENT if press else TEXT_DIM)
    icon_arrow(canvas, cx, cy - 1.5 if press else cy - 0.5, ACCENT if press else TEXT, not press,
               size=4.5)


def marker_ring(canvas, centre):
    """A rounded ring round a key cap centred at `centre`, with a short tail pointing at it from
    the lower right; everything else is the colour key."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, KEYED_BACKDROP)
    cx, cy = centre
    rw, rh = 31, 25
    x, y = cx - rw / 2, cy - rh / 2
    canvas.line(x + rw - 3, y + rh - 3, w - 3, h - 3, 5, ACCENT, 0.25)
    canvas.rounded(x - 1, y - 1, rw + 2, rh + 2, 8, ACCENT, 0.3)
    canvas.rounded(x, y, rw, rh, 7, ACCENT)
    canvas.rounded(x + 2.4, y + 2.4, rw - 4.8, rh - 4.8, 4.8, KEYED_BACKDROP)
    canvas.line(x + rw - 1, y + rh - 1, w - 3.5, h - 3.5, 2.6, ACCENT)
    canvas.circle(w - 3.5, h - 3.5, 2.2, ACCENT_BRIGHT)
    canvas.replace(KEYED_BACKDROP, COLOUR_KEY)


def emblem(canvas, x, y, w, h, lit):
    """The storm emblem of the lighting section: a bolt inside a ring; lit, it glows."""
    cx, cy = x + w / 2, y + h / 2
    r = min(w, h) / 2 - 9  # room for the glow inside the box
    if lit:
        for spread, strength in ((6, 0.08), (4, 0.12), (2, 0.2)):
            canvas.circle(cx, cy, r + spread, ACCENT, strength)
    canvas.circle(cx, cy, r + 1, BLACK)
    canvas.circle(cx, cy, r, ACCENT if lit else EDGE)
    canvas.circle(cx, cy, r - 3, (24, 22, 21) if lit else DEEP)
    bolt = ACCENT_BRIGHT if lit else (66, 70, 77)
    s = r / 30
    canvas.polygon([(cx + 6 * s, cy - 24 * s), (cx - 13 * s, cy + 4 * s), (cx + 1 * s, cy + 4 * s),
                    (cx + 8 * s, cy - 24 * s)], bolt)
    canvas.polygon([(cx + 4 * s, cy - 4 * s), (cx - 5 * s, cy + 25 * s), (cx + 14 * s, cy - 4 * s)],
                   bolt)
    canvas.polygon([(cx - 3 * s, cy - 4 * s), (cx + 14 * s, cy - 4 * s), (cx + 10 * s, cy + 3 * s),
                    (cx - 7 * s, cy + 3 * s)], bolt)


def wordmark(canvas, x, y, height, colour, accent):
    """"STORMLINE" in slanted strokes with an accent swoosh underneath."""
    draw_text(canvas, x, y, height, "STORMLINE", colour, weight=height / 5.5, slant=0.18)
    width = text_width("STORMLINE", height)
    canvas.line(x + 4, y + height + 6, x + width * 0.62, y + height + 6, 2.4, accent)
    canvas.line(x + width * 0.66, y + height + 6, x + width, y + height + 6, 2.4, accent, 0.45)


def product_logo(canvas, x, y):
    """The logo with its top-left at (x, y), over whatever the canvas already holds."""
    emblem(canvas, x - 2, y + 10, 64, 64, True)
    wordmark(canvas, x + 62, y + 29, 14.5, TEXT, ACCENT)
    draw_text(canvas, x + 63, y + 56, 6, "PROGRAMMABLE KEYS", TEXT_DIM, weight=1.1)


def tray_icon(canvas):
    """The notification-area icon: the emblem's bolt on a key cap. Outside is the colour key."""
    w = canvas.width
    canvas.fill(0, 0, w, w, KEYED_BACKDROP)
    s = w / 16
    canvas.rounded(0.5 * s, 0.5 * s, 15 * s, 15 * s, 3.5 * s, BLACK)
    canvas.rounded(1.2 * s, 1.2 * s, 13.6 * s, 13.6 * s, 3 * s, (62, 66, 73), bottom=(36, 39, 44))
    canvas.polygon([(9.6 * s, 2.4 * s), (4.2 * s, 9 * s), (8 * s, 9 * s)], ACCENT)
    canvas.polygon([(8 * s, 7 * s), (11.8 * s, 7 * s), (6.4 * s, 13.6 * s)], ACCENT)
    canvas.polygon([(9.6 * s, 2.4 * s), (8 * s, 9 * s), (5.5 * s, 9 * s), (8.4 * s, 2.4 * s)],
                   ACCENT)
    canvas.replace(KEYED_BACKDROP, COLOUR_KEY)

"""The keyboard picture of the main window, drawn in its own coordinates (577 x 413).

The lit-key overlays and the fan lines are windows of this same drawing at another backlight
level or with the fans lit, so they fit the picture underneath exactly wherever the main window
lays them.
"""

import math

from palette import ACCENT, ACCENT_BRIGHT, BLACK, DEEP, EDGE, GRAPHITE, HIGHLIGHT, RAISED, \
    SURFACE, TEXT_DIM
from raster import mix
from strokes import draw_centred

SIZE = (577, 413)
KEY_FIELD = (27, 103, 513, 137)       # where the main window lays the lit-key overlays
LEFT_FAN = (27, 0, 93, 104)           # where it lays the fan lines
RIGHT_FAN = (447, 0, 93, 104)
LEVEL_GLOW = (0.0, 0.35, 0.7, 1.0)    # backlight strength of levels 0-3

# Centres of the programmable keys on the picture: the main window's hot spots over T1-T10.
T_KEY_CENTRES = [(50, 121.5), (50, 146.5), (50, 168.5), (51, 188.5), (51, 212.5),
                 (521, 122.5), (521, 144.5), (520, 168.5), (520, 189.5), (521, 212.5)]
T_KEY_SIZE = (25, 19)

UNIT = 18.4
MAIN_LEFT = 72
ROW_TOPS = (108, 130, 151, 172, 193, 214)
ROW_HEIGHT = 19

# Rows of (legend, width in key units); None is a gap of that width.
MAIN_ROWS = [
    [("ESC", 1), (None, 1)] + [("F%d" % n, 1) for n in range(1, 5)] + [(None, 0.5)]
    + [("F%d" % n, 1) for n in range(5, 9)] + [(None, 0.5)]
    + [("F%d" % n, 1) for n in range(9, 13)],
    [("", 1)] + [(c, 1) for c in "1234567890"] + [("-", 1), ("", 1), ("", 2)],
    [("", 1.5)] + [(c, 1) for c in "QWERTYUIOP"] + [("", 1), ("", 1), ("", 1.5)],
    [("", 1.75)] + [(c, 1) for c in "ASDFGHJKL"] + [("", 1), ("", 1), ("", 2.25)],
    [("", 2.25)] + [(c, 1) for c in "ZXCVBNM"] + [("", 1), (".", 1), ("", 1), ("", 2.75)],
    [("", 1.25)] * 3 + [("", 6.25)] + [("", 1.25)] * 4,
]
NAV_ROWS = {0: [0, 1, 2], 1: [0, 1, 2], 2: [0, 1, 2], 4: [1], 5: [0, 1, 2]}
NUMPAD = [  # (column, row, width, height, legend) in units and rows from row 1
    (0, 0, 1, 1, ""), (1, 0, 1, 1, ""), (2, 0, 1, 1, ""), (3, 0, 1, 1, "-"),
    (0, 1, 1, 1, "7"), (1, 1, 1, 1, "8"), (2, 1, 1, 1, "9"), (3, 1, 1, 2, ""),
    (0, 2, 1, 1, "4"), (1, 2, 1, 1, "5"), (2, 2, 1, 1, "6"),
    (0, 3, 1, 1, "1"), (1, 3, 1, 1, "2"), (2, 3, 1, 1, "3"), (3, 3, 1, 2, ""),
    (0, 4, 2, 1, "0"), (2, 4, 1, 1, "."),
]


def key_boxes():
    """(x, y, w, h, legend) of every ordinary key."""
    boxes = []
    for row, keys in enumerate(MAIN_ROWS):
        x = MAIN_LEFT
        for legend, width in keys:
            if legend is not None:
                boxes.append((x + 1, ROW_TOPS[row], width * UNIT - 2, ROW_HEIGHT, legend))
            x += width * UNIT
    nav_left = MAIN_LEFT + 15.4 * UNIT
    for row, columns in NAV_ROWS.items():
        for column in columns:
            boxes.append((nav_left + column * UNIT + 1, ROW_TOPS[row], UNIT - 2, ROW_HEIGHT, ""))
    pad_left = MAIN_LEFT + 18.8 * UNIT
    pitch = ROW_TOPS[2] - ROW_TOPS[1]
    for column, row, width, height, legend in NUMPAD:
        boxes.append((pad_left + column * UNIT + 1, ROW_TOPS[row + 1], width * UNIT - 2,
                      ROW_HEIGHT + (height - 1) * pitch, legend))
    return boxes


def draw_keycap(canvas, x, y, w, h, legend, glow, programmable=False):
    """One key cap; glow (0-1) is the backlight shining round it and through its legend."""
    if glow > 0:
        canvas.rounded(x - 1.5, y - 1, w + 3, h + 3, 4.5, ACCENT, 0.22 * glow)
    canvas.rounded(x, y, w, h, 3, BLACK)
    canvas.rounded(x + 0.5, y, w - 1, h - 1, 3, mix(RAISED, HIGHLIGHT, 0.25), bottom=SURFACE)
    canvas.rounded(x + 2, y + 1.5, w - 4, h - 5, 2.5, RAISED, bottom=mix(RAISED, SURFACE, 0.6))
    unlit = (170, 174, 181) if programmable else TEXT_DIM
    lit = mix(ACCENT, ACCENT_BRIGHT, 0.3 * glow)
    colour = mix(unlit, lit, min(1.0, glow * 1.3))
    if legend:
        height = 6 if programmable else 5
        draw_centred(canvas, x + w / 2, y + h / 2 - 1, height, legend, colour,
                     weight=1.3 if programmable else 1.05)
    else:
        canvas.line(x + w / 2 - 2, y + h / 2 - 1, x + w / 2 + 2, y + h / 2 - 1, 1.2, colour, 0.7)


def draw_fan(canvas, box, lit):
    x, y, w, _ = box
    cx, cy, radius = x + w / 2, y + 47, 36
    # the cable from the fan into the body
    cable = ACCENT if lit else (52, 55, 60)
    # the lit cable's halo stays clear of the picture's bottom edge, where the body continues
    if lit:
        canvas.line(cx, cy + radius, cx, y + 97, 5, ACCENT, 0.25)
    canvas.line(cx, cy + radius - 2, cx, y + 99, 2.5, cable)
    if lit:
        for spread, strength in ((7, 0.10), (5, 0.14), (3, 0.2)):
            canvas.circle(cx, cy, radius + spread, ACCENT, strength)
    canvas.circle(cx, cy, radius + 1.5, BLACK)
    canvas.circle(cx, cy, radius, ACCENT if lit else EDGE)
    canvas.circle(cx, cy, radius - 2.5, DEEP)
    blade = mix((60, 64, 70), ACCENT, 0.55) if lit else (56, 60, 66)
    for n in range(7):
        a = n * 2 * math.pi / 7
        points = []
        for r, da in ((9, -0.35), (radius - 4, -0.05), (radius - 4, 0.38), (9, 0.3)):
            points.append((cx + r * math.cos(a + da + r / 60), cy + r * math.sin(a + da + r / 60)))
        canvas.polygon(points, blade)
    canvas.circle(cx, cy, 10, BLACK)
    canvas.circle(cx, cy, 8.5, ACCENT if lit else RAISED)
    canvas.circle(cx, cy, 4, ACCENT_BRIGHT if lit else SURFACE)


def draw_chassis(canvas):
    # fan pods at the two top corners, a ridge between them, the body below
    for fx, _, fw, _ in (LEFT_FAN, RIGHT_FAN):
        canvas.rounded(fx - 2, 2, fw + 4, 108, 20, BLACK)
        canvas.rounded(fx - 1, 3, fw + 2, 106, 19, (46, 49, 55), bottom=(30, 32, 36))
    canvas.rounded(132, 58, 313, 50, 10, BLACK)
    canvas.rounded(133, 59, 311, 48, 9, (44, 47, 52), bottom=(30, 32, 36))
    for n in range(9):
        gx = 168 + n * 30
        canvas.line(gx, 72, gx + 12, 72, 2, DEEP)
        canvas.line(gx, 80, gx + 12, 80, 2, DEEP)
    canvas.rounded(8, 90, 561, 206, 16, BLACK)
    canvas.rounded(9, 91, 559, 204, 15, (50, 53, 59), bottom=(26, 28, 31))
    canvas.line(24, 92.5, 553, 92.5, 1, HIGHLIGHT, 0.5)
    # the plate the keys sit on
    kx, ky, kw, kh = KEY_FIELD
    canvas.rounded(kx + 2, ky + 1, kw - 4, kh - 2, 6, DEEP)
    canvas.rounded(kx + 3, ky + 2, kw - 6, kh - 4, 5, (22, 23, 27))
    # wrist rest
    canvas.rounded(30, 262, 517, 24, 10, (36, 38, 43), bottom=(24, 25, 29))


def draw_backlight_wash(canvas, glow):
    if glow <= 0:
        return
    kx, ky, kw, kh = KEY_FIELD
    canvas.rounded(kx + 3, ky + 2, kw - 6, kh - 4, 5, ACCENT, 0.06 * glow)


def draw_tile_tray(canvas):
    """The bed under the ten key tiles (buttons and panels of the main window)."""
    canvas.gradient(0, 298, 577, 115, (24, 26, 29), (16, 17, 19))
    canvas.line(0, 298.5, 577, 298.5, 1, EDGE, 0.6)
    rows = [(308, [(8, 53), (117, 161), (229, 274), (341, 385), (453, 497)]),
            (360, [(8, 52), (119, 163), (230, 274), (341, 385), (453, 496)])]
    for top, tiles in rows:
        for button_x, panel_x in tiles:
            x0, x1 = button_x - 3, panel_x + 64 + 3
            canvas.rounded(x0, top - 3, x1 - x0, 43, 7, BLACK)
            canvas.rounded(x0 + 1, top - 2, x1 - x0 - 2, 41, 6, GRAPHITE, bottom=(22, 23, 26))


def draw_keyboard(canvas, level=0, fans_lit=(False, False)):
    glow = LEVEL_GLOW[level]
    canvas.fill(0, 0, SIZE[0], SIZE[1], GRAPHITE)
    draw_chassis(canvas)
    draw_backlight_wash(canvas, glow)
    for x, y, w, h, legend in key_boxes():
        draw_keycap(canvas, x, y, w, h, legend, glow)
    tw, th = T_KEY_SIZE
    for n, (cx, cy) in enumerate(T_KEY_CENTRES):
        draw_keycap(canvas, cx - tw / 2, cy - th / 2, tw, th, "T%d" % (n + 1), glow, True)
    draw_fan(canvas, LEFT_FAN, fans_lit[0])
    draw_fan(canvas, RIGHT_FAN, fans_lit[1])
    draw_tile_tray(canvas)


def draw_small_keyboard(canvas, level):
    """The outline keyboard of the lighting section (174 x 55) at a backlight level."""
    glow = LEVEL_GLOW[level]
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, DEEP)
    canvas.rounded(6, 7, w - 12, h - 14, 6, EDGE)
    canvas.rounded(7, 8, w - 14, h - 16, 5, (30, 32, 36))
    key = mix((54, 58, 64), ACCENT, glow)
    pitch = 8.6
    for row in range(4):
        y = 12 + row * 8
        count = 15 if row < 3 else 9
        widths = [1] * count if row < 3 else [1.5, 1, 1, 6.2, 1, 1, 1.5, 0, 0]
        x = 12.0
        for unit in widths[:count]:
            if unit <= 0:
                continue
            if glow:
                canvas.rounded(x - 1, y - 1, unit * pitch, 7.5, 2, ACCENT, 0.18 * glow)
            canvas.rounded(x, y, unit * pitch - 1.6, 5.5, 1.5, key)
            x += unit * pitch
    for x in (145.0, 153.6):
        for row in range(4):
            if glow:
                canvas.rounded(x - 1, 11 + row * 8, 8.6, 7.5, 2, ACCENT, 0.18 * glow)
            canvas.rounded(x, 12 + row * 8, 7, 5.5, 1.5, key)
    if glow:
        canvas.line(14, h - 9.5, w - 14, h - 9.5, 1, ACCENT, 0.3 + 0.6 * glow)

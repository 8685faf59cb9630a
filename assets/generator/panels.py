"""Backgrounds: the windows, the main window's right-hand column and the macro editor's columns."""

from palette import ACCENT, BLACK, DEEP, EDGE, GRAPHITE, HIGHLIGHT, LCD, LIST, SURFACE, TEXT_DIM
from strokes import draw_text, text_width
from widgets import emblem

# The right-hand column (191 x 425) in its own coordinates: where the main window lays its
# controls over it.
COLUMN_LOGO = (24, 21, 111, 94)        # the lit logo picture
COLUMN_TOGGLE = (136, 55, 41, 25)
COLUMN_SMALL_KEYBOARD = (7, 120, 174, 55)
COLUMN_LEVEL_BUTTONS = [(11 + 43 * n, 178, 30, 25) for n in range(4)]
COLUMN_DIGITS = (12, 246, 169, 30)
COLUMN_TIMER_BUTTONS = [(29, 281, 40, 31), (73, 281, 40, 32), (117, 281, 41, 34)]


COLUMN_SIZE = (191, 425)
MAIN_SIZE = (827, 586)


def window_background(canvas, header=0, size=None):
    """A window's client area: graphite with a soft top band and a thin accent edge.

    size is the whole client area when the canvas shows only a window of it.
    """
    w, h = size or (canvas.width, canvas.height)
    canvas.gradient(0, 0, w, h, (30, 32, 36), (20, 21, 24))
    if header:
        canvas.gradient(0, 0, w, header, (40, 43, 48), (28, 30, 34))
        canvas.line(0, header - 0.5, w, header - 0.5, 1, BLACK)
    canvas.fill(0, 0, w, 2, ACCENT)
    canvas.fill(0, 2, w, 1, (60, 34, 16))
    canvas.fill(0, h - 1, w, 1, BLACK)
    canvas.fill(0, 0, 1, h, EDGE)
    canvas.fill(w - 1, 0, 1, h, EDGE)


def main_background(canvas):
    window_background(canvas, header=110, size=MAIN_SIZE)
    w = MAIN_SIZE[0]
    # beds behind the profile buttons and the three buttons of the top right
    canvas.rounded(-6, 78, 316, 31, 6, BLACK)
    canvas.rounded(-5, 79, 314, 29, 5, DEEP)
    canvas.rounded(588, 21, 190, 65, 9, BLACK)
    canvas.rounded(589, 22, 188, 63, 8, DEEP)
    canvas.line(300, 110.5, w - 40, 110.5, 1, HIGHLIGHT, 0.25)


def section(canvas, y, title):
    canvas.fill(8, y + 4, 4, 7, ACCENT)
    draw_text(canvas, 16, y + 4, 7, title, TEXT_DIM, weight=1.3)
    canvas.line(16 + text_width(title, 7) + 6, y + 7.5, COLUMN_SIZE[0] - 8, y + 7.5, 1, EDGE, 0.6)


def well(canvas, x, y, w, h, colour=DEEP, radius=5):
    canvas.rounded(x - 1, y - 1, w + 2, h + 2, radius + 1, BLACK)
    canvas.rounded(x, y, w, h, radius, colour)


def right_column(canvas, logo_lit=False):
    w, h = COLUMN_SIZE
    canvas.fill(0, 0, w, h, GRAPHITE)
    canvas.rounded(0, 0, w, h, 10, BLACK)
    canvas.rounded(1, 1, w - 2, h - 2, 9, SURFACE, bottom=(24, 26, 29))
    section(canvas, 4, "LIGHTING")
    x, y, lw, lh = COLUMN_LOGO
    emblem(canvas, x, y, lw, lh, logo_lit)
    tx, ty, tw, th = COLUMN_TOGGLE
    well(canvas, tx - 2, ty - 2, tw + 4, th + 4, radius=7)
    sx, sy, sw, sh = COLUMN_SMALL_KEYBOARD
    well(canvas, sx, sy, sw, sh)
    bx, by = COLUMN_LEVEL_BUTTONS[0][:2]
    last = COLUMN_LEVEL_BUTTONS[-1]
    well(canvas, bx - 3, by - 1, last[0] + last[2] - bx + 6, last[3] + 2, radius=4)
    section(canvas, 214, "TIMER")
    dx, dy, dw, dh = COLUMN_DIGITS
    well(canvas, dx - 5, dy - 5, dw + 10, dh + 9, LCD, radius=6)
    section(canvas, 330, "PROFILE")
    for n in range(3):
        canvas.line(16, 352 + n * 24.5, w - 16, 352 + n * 24.5, 1, BLACK, 0.5)


def dialog_background(canvas):
    window_background(canvas)


def warning_background(canvas, sign_at):
    """A dialog with a warning sign at sign_at (centre x, centre y, size)."""
    window_background(canvas)
    cx, cy, size = sign_at
    canvas.polygon([(cx, cy - size), (cx + size * 1.1, cy + size * 0.85),
                    (cx - size * 1.1, cy + size * 0.85)], ACCENT)
    canvas.polygon([(cx, cy - size + 4), (cx + size * 1.1 - 4.5, cy + size * 0.85 - 2),
                    (cx - size * 1.1 + 4.5, cy + size * 0.85 - 2)], (44, 30, 22))
    canvas.line(cx, cy - size * 0.35, cx, cy + size * 0.25, size * 0.16, ACCENT)
    canvas.circle(cx, cy + size * 0.55, size * 0.1, ACCENT)


def macro_background(canvas):
    window_background(canvas)
    well(canvas, 28, 50, 312, 190, (22, 23, 26), radius=6)
    well(canvas, 352, 52, 126, 112, (22, 23, 26), radius=6)
    well(canvas, 18, 246, 316, 86, (22, 23, 26), radius=6)


def list_column(canvas):
    """A column of the macro editor: eight rows of 18 pixels on a dark list."""
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, LIST)
    for row in range(1, 9):
        canvas.fill(19, row * 18 - 1, w - 19, 1, (27, 29, 33))
    canvas.fill(0, 0, w, 1, BLACK)

"""Every picture the programs load: form class, component name, size, what it shows.

The form layer finds a picture at pictures/<FormClass>/<ComponentName>.bmp, and picture i of an
image list at pictures/<FormClass>/<ImageListName>_<i>.bmp.
"""

from collections import namedtuple
from functools import lru_cache

import keyboard
import panels
import widgets
from palette import GRAPHITE
from raster import Canvas

Picture = namedtuple("Picture", "form component width height shows make")


def _drawn(draw, *args):
    """A picture drawn whole by draw(canvas, *args)."""
    def make(width, height):
        canvas = Canvas(width, height)
        draw(canvas, *args)
        return canvas
    return make


@lru_cache(maxsize=None)
def _keyboard_window(box, level, fans_lit):
    x, y, w, h = box
    canvas = Canvas(w, h, origin=(x, y))
    keyboard.draw_keyboard(canvas, level, fans_lit)
    return canvas


def _keyboard(box, level=0, fans_lit=(False, False)):
    """A window of the keyboard picture drawn at a backlight level and fan state."""
    return lambda width, height: _keyboard_window(box, level, fans_lit).crop(*box)


def _column(box, logo_lit=False):
    """A window of the right-hand column, with its logo unlit or lit."""
    def make(width, height):
        x, y, w, h = box
        canvas = Canvas(w, h, origin=(x, y))
        panels.right_column(canvas, logo_lit)
        return canvas.crop(x, y, w, h)
    return make


LOGO_AT = (13, -1)   # where the main window lays the logo
MARKER_KEY_CENTRE = (15.5, 14.5)  # where the key it points at lies within the marker picture
PROGRESS_SLOTS = [(8 + 41 * n, 7, 40, 11) for n in range(8)]  # img1-img8 in Image2's coordinates


def _logo(width, height):
    """The logo on the main window's own background, so that it shows no edge."""
    x, y = LOGO_AT
    canvas = Canvas(width, height, origin=LOGO_AT)
    panels.main_background(canvas)
    widgets.product_logo(canvas, x, y)
    return canvas.crop(x, y, width, height)


WHOLE_KEYBOARD = (0, 0) + keyboard.SIZE
LEVELS = ("unlit", "dim", "medium", "bright")
ROW_KINDS = ("a press", "a delay", "a release")
CLOCK_DIGITS = ("Image4", "Image5", "Image8", "Image9", "Image10", "Image11")

PICTURES = [Picture(*row) for row in [
    # form, component, width, height, what it shows, how it is drawn
    ("TKsForm1", "Image1", 196, 81, "product logo", _logo),
    ("TKsForm1", "ImgKBDLayout", 577, 413, "keyboard with its two fans; bed of the key tiles",
     _keyboard(WHOLE_KEYBOARD)),
    ("TKsForm1", "Image2", 191, 425, "right-hand column: lighting, timer, files",
     _column((0, 0) + panels.COLUMN_SIZE)),
    ("TKsForm1", "Image15", 111, 94, "lit logo over the column's logo",
     _column(panels.COLUMN_LOGO, logo_lit=True)),
    *[("TKsForm1", "Imagekb%d" % n, 513, 137, "key field, backlight " + LEVELS[n],
       _keyboard(keyboard.KEY_FIELD, level=n)) for n in range(4)],
    ("TKsForm1", "ImgLFanLine", 93, 104, "left fan lit, with its cable",
     _keyboard(keyboard.LEFT_FAN, fans_lit=(True, False))),
    ("TKsForm1", "ImgRFanLine", 93, 104, "right fan lit, with its cable",
     _keyboard(keyboard.RIGHT_FAN, fans_lit=(False, True))),
    ("TKsForm1", "Imagesmallkb", 174, 55, "small keyboard, unlit (as designed)",
     _drawn(keyboard.draw_small_keyboard, 0)),
    *[("TKsForm1", "ImageList2_%d" % n, 174, 55, "small keyboard, " + LEVELS[n],
       _drawn(keyboard.draw_small_keyboard, n)) for n in range(4)],
    *[("TKsForm1", "ImageList1_%d" % n, 21, 30, "stopwatch digit %d" % n,
       _drawn(widgets.digit, n)) for n in range(10)],
    *[("TKsForm1", name, 21, 30, "stopwatch digit 0 (as designed)", _drawn(widgets.digit, 0))
      for name in CLOCK_DIGITS],
    *[("TKsForm1", name, 13, 30, "stopwatch separator, a colon", _drawn(widgets.separator))
      for name in ("Image6", "Image12")],
    ("TKsForm1", "Imagekbmark", 43, 40, "marker ring round a key, colour key outside",
     _drawn(widgets.marker_ring, MARKER_KEY_CENTRE)),
    ("TForm6Loading", "Image2", 342, 26, "progress track with eight empty slots",
     _drawn(widgets.progress_slots, PROGRESS_SLOTS)),
    *[("TForm6Loading", "img%d" % n, 40, 11, "progress segment %d" % n,
       _drawn(widgets.progress_segment)) for n in range(1, 9)],
    ("TForm2Macro", "Image1", 44, 37, "key being edited, T1 (as designed)",
     _drawn(widgets.key_picture, "T1", GRAPHITE)),
    *[("TForm2Macro", "ImageList1_%d" % n, 44, 37, "key picture T%d" % (n + 1),
       _drawn(widgets.key_picture, "T%d" % (n + 1), GRAPHITE)) for n in range(10)],
    *[("TForm2Macro", "ImageList2_%d" % n, 19, 18, "row icon of " + ROW_KINDS[n],
       _drawn(widgets.row_icon, n)) for n in range(3)],
    ("TForm2Macro", "Image2", 134, 145, "key column background", _drawn(panels.list_column)),
    ("TForm2Macro", "Image3", 120, 145, "delay column background", _drawn(panels.list_column)),
    ("TKsForm1Trayicon", "ImageList1_0", 16, 16, "tray icon, colour key outside",
     _drawn(widgets.tray_icon)),
]]

# The tray icon as an icon file, at the sizes the notification area asks for.
TRAY_ICON_FILE = ("TKsForm1Trayicon", "TrayIcon1.ico", (16, 32))

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


def _drawn(width, height, draw, *args):
    canvas = Canvas(width, height)
    draw(canvas, *args)
    return canvas


@lru_cache(maxsize=None)
def _keyboard_window(box, level, fans_lit):
    """A window of the keyboard picture drawn at a backlight level and fan state."""
    x, y, w, h = box
    canvas = Canvas(w, h, origin=(x, y))
    keyboard.draw_keyboard(canvas, level, fans_lit)
    return canvas


def _keyboard(level=0, fans_lit=(False, False), box=(0, 0) + keyboard.SIZE):
    window = _keyboard_window(box, level, fans_lit)
    return window.crop(*box)


def _column_window(box, logo_lit):
    x, y, w, h = box
    canvas = Canvas(w, h, origin=(x, y))
    panels.right_column(canvas, logo_lit)
    return canvas.crop(x, y, w, h)


LOGO_AT = (13, -1)   # where the main window lays the logo
MARKER_KEY_CENTRE = (15.5, 14.5)  # where the key it points at lies within the marker picture


def _logo():
    x, y = LOGO_AT
    canvas = Canvas(196, 81, origin=LOGO_AT)
    panels.main_background(canvas)
    widgets.product_logo(canvas, x, y)
    return canvas.crop(x, y, 196, 81)


def _digit(value):
    return lambda: _drawn(21, 30, widgets.digit, value)


def _key(legend):
    return lambda: _drawn(44, 37, widgets.key_picture, legend, GRAPHITE)


def _main_window_pictures():
    f = "TKsForm1"
    kb = keyboard
    pictures = [
        Picture(f, "Image1", 196, 81, "product logo on the window's own background", _logo),
        Picture(f, "ImgKBDLayout", 577, 413, "keyboard with its two fans; bed of the key tiles",
                lambda: _keyboard()),
        Picture(f, "Image2", 191, 425, "right-hand column: lighting, timer, files",
                lambda: _column_window((0, 0, 191, 425), False)),
        Picture(f, "Image15", 111, 94, "lit logo over the column's logo",
                lambda: _column_window(panels.COLUMN_LOGO, True)),
    ]
    shown = ("unlit", "dimly lit", "half lit", "fully lit")
    for level in range(4):
        pictures.append(Picture(f, "Imagekb%d" % level, 513, 137, "key field, keys %s" % shown[level],
                                lambda level=level: _keyboard(level, box=kb.KEY_FIELD)))
    for level in range(4):
        pictures.append(Picture(f, "ImageList2_%d" % level, 174, 55,
                                "small keyboard, %s" % ("unlit", "dim", "medium", "bright")[level],
                                lambda level=level: _drawn(174, 55, kb.draw_small_keyboard, level)))
    pictures.append(Picture(f, "Imagesmallkb", 174, 55, "small keyboard as designed (unlit)",
                            lambda: _drawn(174, 55, kb.draw_small_keyboard, 0)))
    pictures.append(Picture(f, "ImgLFanLine", 93, 104, "left fan lit, with its cable",
                            lambda: _keyboard(0, (True, False), kb.LEFT_FAN)))
    pictures.append(Picture(f, "ImgRFanLine", 93, 104, "right fan lit, with its cable",
                            lambda: _keyboard(0, (False, True), kb.RIGHT_FAN)))
    for value in range(10):
        pictures.append(Picture(f, "ImageList1_%d" % value, 21, 30, "stopwatch digit %d" % value,
                                _digit(value)))
    for name in ("Image4", "Image5", "Image8", "Image9", "Image10", "Image11"):
        pictures.append(Picture(f, name, 21, 30, "stopwatch digit 0 as designed", _digit(0)))
    for name in ("Image6", "Image12"):
        pictures.append(Picture(f, name, 13, 30, "stopwatch separator (colon)",
                                lambda: _drawn(13, 30, widgets.separator)))
    pictures.append(Picture(f, "Imagekbmark", 43, 40, "marker ring round a key, tail to the lower right",
                            lambda: _drawn(43, 40, widgets.marker_ring, MARKER_KEY_CENTRE)))
    return pictures


PROGRESS_SLOTS = [(8 + 41 * n, 7, 40, 11) for n in range(8)]  # img1-img8 in Image2's coordinates


def _dialog_pictures():
    f = "TForm6Loading"
    pictures = [Picture(f, "Image2", 342, 26, "progress track with eight empty slots",
                        lambda: _drawn(342, 26, widgets.progress_slots, PROGRESS_SLOTS))]
    for n in range(1, 9):
        pictures.append(Picture(f, "img%d" % n, 40, 11, "progress segment %d" % n,
                                lambda: _drawn(40, 11, widgets.progress_segment)))
    return pictures


def _macro_editor_pictures():
    f = "TForm2Macro"
    pictures = [Picture(f, "Image1", 44, 37, "key being edited (T1 as designed)", _key("T1"))]
    for n in range(10):
        pictures.append(Picture(f, "ImageList1_%d" % n, 44, 37, "key picture T%d" % (n + 1),
                                _key("T%d" % (n + 1))))
    for index, shows in enumerate(("press row", "delay row", "release row")):
        pictures.append(Picture(f, "ImageList2_%d" % index, 19, 18, "row icon: " + shows,
                                lambda index=index: _drawn(19, 18, widgets.row_icon, index)))
    pictures.append(Picture(f, "Image2", 134, 145, "key column background",
                            lambda: _drawn(134, 145, panels.list_column)))
    pictures.append(Picture(f, "Image3", 120, 145, "delay column background",
                            lambda: _drawn(120, 145, panels.list_column)))
    return pictures


def _tray_pictures():
    return [Picture("TKsForm1Trayicon", "ImageList1_0", 16, 16, "tray icon (colour key outside)",
                    lambda: _drawn(16, 16, widgets.tray_icon))]


PICTURES = (_main_window_pictures() + _dialog_pictures() + _macro_editor_pictures()
            + _tray_pictures())

# The tray icon as an icon file, at the sizes the notification area asks for.
TRAY_ICON_FILE = ("TKsForm1Trayicon", "TrayIcon1.ico", (16, 32))

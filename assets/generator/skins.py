"""The skin elements of the three skin files and the pictures of their states.

Every element lists the files that carry it. The dialogs and the repeat dialog load "skin.ini"
for their skin, while the main window and the macro editor load their own files; the dialogs'
elements are written into those files as well, so that each file is complete on its own.
"""

from collections import namedtuple

import panels
import widgets
from palette import ACCENT, BLACK, COLOUR_KEY, DEEP, EDGE, GRAPHITE, KEYED_BACKDROP, RAISED, \
    SURFACE, TEXT, TEXT_DIM, hex_colour
from raster import Canvas, mix
from strokes import draw_centred

MAIN, MACRO, DIALOGS = "mainskin.ini", "macrofunskin.ini", "skin.ini"
SKIN_FILES = (MAIN, MACRO, DIALOGS)

# name: the section; prefix: start of its picture files; size: the control's size;
# draw(canvas, state): one state's picture; states: the states drawn; keys: further INI keys.
Element = namedtuple("Element", "name files prefix size draw states keys")

BUTTON_KEYS = {"colour": RAISED, "framecolour": EDGE, "textcolour": TEXT,
               "transparent": COLOUR_KEY}


def _button(name, files, prefix, size, icon=None, selected=False, keys=None):
    def draw(canvas, state):
        widgets.button_face(canvas, state, selected)
        if icon:
            shift = widgets.offset(state)
            icon(canvas, canvas.width / 2 + shift, canvas.height / 2 + shift,
                 widgets.ink(state, selected))
    merged = dict(BUTTON_KEYS)
    merged.update(keys or {})
    return Element(name, files, prefix, size, draw, widgets.STATES, merged)


def _labelled(text, height=7):
    return lambda canvas, cx, cy, colour: draw_centred(canvas, cx, cy, height, text, colour,
                                                       weight=1.4)


def _key(legend, selected):
    def draw(canvas, state):
        widgets.key_picture(canvas, legend, KEYED_BACKDROP, state, selected)
        canvas.replace(KEYED_BACKDROP, COLOUR_KEY)
    return Element(("t%s%sbutton" % (legend[1:], "at" if selected else "")), (MAIN,), "main",
                   (44, 37), draw, widgets.STATES, dict(BUTTON_KEYS))


def _form(form_class, files, size, draw, *args):
    def paint(canvas, _state):
        draw(canvas, *args)
    return Element("form:" + form_class, files, "form", size, paint, ("normal",),
                   {"colour": GRAPHITE, "framecolour": EDGE, "textcolour": TEXT})


def _well(canvas, _state, fill=DEEP):
    w, h = canvas.width, canvas.height
    canvas.fill(0, 0, w, h, BLACK)
    canvas.rounded(0.5, 0.5, w - 1, h - 1, 3, (52, 55, 61))
    canvas.rounded(1.5, 1.5, w - 3, h - 3, 2.5, fill, bottom=mix(fill, SURFACE, 0.4))


def _spin_edit(canvas, state):
    """The field behind the spin edit's text; the control draws its arrows in textcolour."""
    _well(canvas, state, DEEP if state != "disabled" else (26, 27, 30))


def _scroll_thumb(canvas, state):
    """The scroll bar's thumb, stretched to its length; colour is the track behind it."""
    widgets.button_face(canvas, state, radius=4)
    w, h = canvas.width, canvas.height
    for dy in (-3, 0, 3):
        canvas.line(w / 2 - 4, h / 2 + dy, w / 2 + 4, h / 2 + dy, 1, widgets.ink(state), 0.6)


def _floppy(canvas, cx, cy, colour):
    canvas.rounded(cx - 8, cy - 8, 16, 16, 2.5, colour)
    canvas.rounded(cx - 5, cy - 8, 10, 6, 1, mix(colour, BLACK, 0.8))
    canvas.rounded(cx - 5, cy + 1, 10, 6, 1, mix(colour, BLACK, 0.6))


def _folder(canvas, cx, cy, colour):
    canvas.polygon([(cx - 9, cy - 6), (cx - 3, cy - 6), (cx - 1, cy - 4), (cx - 9, cy - 4)],
                   colour)
    canvas.rounded(cx - 9, cy - 4, 18, 12, 1.5, colour)
    canvas.rounded(cx - 7.5, cy - 1.5, 15, 8, 1, mix(colour, BLACK, 0.7))


def _upload(canvas, cx, cy, colour):
    widgets.icon_arrow(canvas, cx, cy - 2, colour, True, size=6)
    canvas.rounded(cx - 9, cy + 6, 18, 2.5, 1, colour)


def _level(bars):
    return lambda canvas, cx, cy, colour: widgets.icon_level(canvas, cx, cy, bars, colour)


def _main_elements():
    m = (MAIN,)
    elements = []
    for n in range(1, 5):
        for selected in (False, True):
            elements.append(_button("p%dbutton%s" % (n, "foc" if selected else ""), m, "main",
                                    (75, 25), _labelled("PROFILE %d" % n), selected))
    for n in range(1, 11):
        elements.append(_key("T%d" % n, False))
        elements.append(_key("T%d" % n, True))
    elements.append(Element("traypanel", m, "main", (64, 21), _well, ("normal",),
                            {"colour": DEEP, "framecolour": EDGE, "textcolour": TEXT}))
    for bars, percent in enumerate((0, 25, 75, 100)):
        elements.append(_button("buttonp%d" % percent, m, "main", (30, 25), _level(bars)))
    elements += [
        _button("buttonplay", m, "main", (40, 31), widgets.icon_play),
        _button("buttonpause", m, "main", (40, 32), widgets.icon_pause),
        _button("buttonreplay", m, "main", (41, 34),
                lambda c, x, y, col: widgets.icon_circular_arrow(c, x, y, 8, col)),
        _button("buttonon", m, "main", (41, 25), widgets.icon_power),
        _button("buttonoff", m, "main", (41, 25), widgets.icon_power, selected=True),
        _button("buttonretry", m, "main", (61, 57),
                lambda c, x, y, col: widgets.icon_circular_arrow(c, x, y, 14, col, 3)),
        _button("buttondoc", m, "main", (61, 57), widgets.icon_document),
        _button("buttoninfo", m, "main", (61, 57), widgets.icon_info),
        _button("buttonsave", m, "main", (61, 30), _floppy),
        _button("buttonload", m, "main", (61, 30), _folder),
        _button("buttonsetdata", m, "main", (61, 30), _upload),
        _form("TKsForm1", m, (827, 586), panels.main_background),
    ]
    return elements


def _dialog_elements():
    every = (MAIN, MACRO, DIALOGS)
    return [
        _button("button", every, "dialog", (50, 25)),
        _form("TForm3Warning1", (MAIN, DIALOGS), (444, 120), panels.warning_background,
              (424, 30, 13)),
        _form("TForm5Warning2", (MAIN, DIALOGS), (389, 113), panels.warning_background,
              (372, 40, 11)),
        _form("TForm6Loading", (MAIN, DIALOGS), (405, 72), panels.dialog_background),
        # The progress bar draws itself from colours alone: the track, its frame, and the part
        # done in the accent colour.
        Element("progressbar", (MAIN, DIALOGS), "dialog", (342, 17), None, (),
                {"colour": DEEP, "framecolour": EDGE, "textcolour": ACCENT}),
        _form("TForm4Repeat", (MACRO, DIALOGS), (409, 158), panels.dialog_background),
    ]


def _macro_elements():
    m = (MACRO,)
    up = lambda c, x, y, col: widgets.icon_arrow(c, x, y, col, True)
    down = lambda c, x, y, col: widgets.icon_arrow(c, x, y, col, False)
    return [
        _button("buttonDelayTime", m, "macro", (104, 59)),
        _button("buttonRecord", m, "macro", (61, 26)),
        _button("buttonStop", m, "macro", (60, 25)),
        _button("buttonDel", m, "macro", (61, 26)),
        _button("buttonup", m, "macro", (60, 26), up),
        _button("buttondown", m, "macro", (61, 26), down),
        _button("buttonRep", m, "macro", (79, 33)),
        _button("buttonrepeat", m, "macro", (79, 33), selected=True,
                keys={"textcolour": ACCENT}),
        _button("buttonLoad", m, "macro", (79, 32)),
        _button("buttonSave", m, "macro", (80, 33)),
        _button("buttonOKEXIT", m, "macro", (102, 49), selected=True),
        _button("buttoninfo", m, "macro", (59, 49), widgets.icon_info),
        Element("vscrollbar", m, "macro", (21, 32), _scroll_thumb, widgets.STATES,
                {"colour": DEEP, "framecolour": EDGE, "textcolour": TEXT_DIM,
                 "transparent": COLOUR_KEY}),
        Element("spinedit", m, "macro", (46, 20), _spin_edit, ("normal", "disabled"),
                {"colour": DEEP, "framecolour": EDGE, "textcolour": TEXT}),
        _form("TForm2Macro", m, (499, 385), panels.macro_background),
    ]


ELEMENTS = _main_elements() + _dialog_elements() + _macro_elements()

STATE_KEYS = {"normal": "picture", "hover": "hover", "down": "down", "disabled": "disabled"}


def picture_name(element, state):
    base = element.prefix + "_" + element.name.replace("form:", "")
    return base + ("" if state == "normal" else "_" + state) + ".bmp"


def render(element, state):
    canvas = Canvas(*element.size)
    element.draw(canvas, state)
    return canvas


def skin_text(file_name):
    """The INI text of one skin file: its elements in a fixed order, CRLF line ends."""
    lines = ["; Stormline skin: one section per skin element; pictures are in this folder."]
    for element in ELEMENTS:
        if file_name not in element.files:
            continue
        lines += ["", "[%s]" % element.name]
        for state in element.states:
            lines.append("%s=%s" % (STATE_KEYS[state], picture_name(element, state)))
        for key, value in element.keys.items():
            lines.append("%s=%s" % (key, hex_colour(value) if isinstance(value, tuple) else value))
    return "\r\n".join(lines) + "\r\n"

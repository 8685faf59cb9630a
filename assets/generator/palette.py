"""The colours of the whole skin: dark graphite surfaces and one ember accent for lit states."""

BLACK = (10, 11, 13)
DEEP = (18, 19, 22)        # wells, recesses
GRAPHITE = (28, 30, 34)    # window backgrounds
SURFACE = (40, 43, 48)     # panels
RAISED = (58, 62, 68)      # key caps, button faces
EDGE = (84, 89, 97)        # one-pixel edges and frames
HIGHLIGHT = (112, 118, 127)
TEXT = (214, 218, 224)
TEXT_DIM = (124, 130, 138)

ACCENT = (255, 122, 26)    # the lit colour: backlight, selection, progress
ACCENT_BRIGHT = (255, 196, 128)
ACCENT_DEEP = (112, 50, 12)

LCD = (14, 13, 12)         # behind the stopwatch digits
LIST = (16, 17, 20)        # behind the macro editor's rows

COLOUR_KEY = (255, 0, 255)  # pixels of this colour are not drawn
KEYED_BACKDROP = (27, 29, 33)  # drawn where the colour key goes, so edges blend towards dark


def hex_colour(colour):
    return "%02X%02X%02X" % colour

"""Writes the skin files and every picture into an application folder.

    python3 generate_assets.py --out <application folder> [--stamp <file>]

The output depends on nothing but this code: the same bytes on every run and every machine.
"""

import argparse
import os
import sys

import catalogue
import skins
import widgets
from palette import COLOUR_KEY
from raster import Canvas, encode_bmp, encode_ico


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def tray_icon_file():
    images = []
    for size in catalogue.TRAY_ICON_FILE[2]:
        canvas = Canvas(size, size)
        widgets.tray_icon(canvas)
        alpha = []
        for i in range(size * size):
            keyed = tuple(canvas.pixels[i * 3:i * 3 + 3]) == COLOUR_KEY
            alpha.append(0 if keyed else 255)
            if keyed:
                canvas.pixels[i * 3:i * 3 + 3] = bytes(3)
        images.append((canvas, alpha))
    return encode_ico(images)


def generate(app_dir):
    """Write everything; returns the paths written, relative to app_dir."""
    written = []

    def put(relative, data):
        _write(os.path.join(app_dir, *relative.split("/")), data)
        written.append(relative)

    for file_name in skins.SKIN_FILES:
        put("skin/" + file_name, skins.skin_text(file_name).encode("ascii"))
    done = set()
    for element in skins.ELEMENTS:
        for state in element.states:
            name = skins.picture_name(element, state)
            if name not in done:
                done.add(name)
                put("skin/" + name, encode_bmp(skins.render(element, state)))
    for picture in catalogue.PICTURES:
        canvas = picture.make()
        if (canvas.width, canvas.height) != (picture.width, picture.height):
            raise ValueError("%s/%s drawn at %dx%d" % (picture.form, picture.component,
                                                       canvas.width, canvas.height))
        put("pictures/%s/%s.bmp" % (picture.form, picture.component), encode_bmp(canvas))
    form, name, _ = catalogue.TRAY_ICON_FILE
    put("pictures/%s/%s" % (form, name), tray_icon_file())
    return written


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="the application folder")
    parser.add_argument("--stamp", help="file touched when everything has been written")
    args = parser.parse_args(argv)
    written = generate(args.out)
    if args.stamp:
        _write(args.stamp, ("\n".join(written) + "\n").encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

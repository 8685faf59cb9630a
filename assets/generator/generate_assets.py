"""Writes the skin files and every picture into an application folder.

    python3 generate_assets.py --out <application folder> [--stamp <file>]
    python3 generate_assets.py --list      (the table of pictures and skin elements)

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
        canvas = picture.make(picture.width, picture.height)
        if (canvas.width, canvas.height) != (picture.width, picture.height):
            raise ValueError("%s/%s drawn at %dx%d" % (picture.form, picture.component,
                                                       canvas.width, canvas.height))
        put("pictures/%s/%s.bmp" % (picture.form, picture.component), encode_bmp(canvas))
    form, name, _ = catalogue.TRAY_ICON_FILE
    put("pictures/%s/%s" % (form, name), tray_icon_file())
    return written


def listing():
    lines = ["| Form | Component | Size | Shows | File |", "|---|---|---|---|---|"]
    for p in catalogue.PICTURES:
        lines.append("| %s | %s | %dx%d | %s | pictures/%s/%s.bmp |"
                     % (p.form, p.component, p.width, p.height, p.shows, p.form, p.component))
    form, name, sizes = catalogue.TRAY_ICON_FILE
    lines.append("| %s | TrayIcon1 | %s | tray icon file | pictures/%s/%s |"
                 % (form, " and ".join("%dx%d" % (s, s) for s in sizes), form, name))
    lines += ["", "| Skin element | Size | States | Files |", "|---|---|---|---|"]
    for e in skins.ELEMENTS:
        lines.append("| %s | %dx%d | %s | %s |" % (e.name, e.size[0], e.size[1],
                                                   ", ".join(e.states), ", ".join(e.files)))
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", help="the application folder")
    parser.add_argument("--stamp", help="file written when everything has been written")
    parser.add_argument("--list", action="store_true", help="print what would be drawn")
    args = parser.parse_args(argv)
    if args.list:
        sys.stdout.write(listing())
        return 0
    if not args.out:
        parser.error("--out is required")
    written = generate(args.out)
    if args.stamp:
        _write(args.stamp, ("\n".join(written) + "\n").encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

import configparser
import os
import re
import tempfile
import unittest

import catalogue
import generate_assets
import keyboard
import palette
import panels
import skins
from bitmaps import read_bmp_file, read_ico

# The pictures the programs load, by form, with the sizes their designs give them.
REQUIRED_PICTURES = {
    "TKsForm1": [("Image1", 196, 81), ("ImgKBDLayout", 577, 413), ("Image2", 191, 425),
                 ("Image15", 111, 94), ("Imagesmallkb", 174, 55), ("ImgLFanLine", 93, 104),
                 ("ImgRFanLine", 93, 104), ("Imagekbmark", 43, 40), ("Image6", 13, 30),
                 ("Image12", 13, 30)]
                + [("Imagekb%d" % n, 513, 137) for n in range(4)]
                + [("ImageList2_%d" % n, 174, 55) for n in range(4)]
                + [("ImageList1_%d" % n, 21, 30) for n in range(10)]
                + [(name, 21, 30) for name in ("Image4", "Image5", "Image8", "Image9", "Image10",
                                               "Image11")],
    "TForm6Loading": [("Image2", 342, 26)] + [("img%d" % n, 40, 11) for n in range(1, 9)],
    "TForm2Macro": [("Image1", 44, 37), ("Image2", 134, 145), ("Image3", 120, 145)]
                   + [("ImageList1_%d" % n, 44, 37) for n in range(10)]
                   + [("ImageList2_%d" % n, 19, 18) for n in range(3)],
    "TKsForm1Trayicon": [("ImageList1_0", 16, 16)],
}

# Skin elements the programs name, by the file that must carry them.
REQUIRED_ELEMENTS = {
    "mainskin.ini": ["p%dbutton%s" % (n, s) for n in range(1, 5) for s in ("", "foc")]
                    + ["t%d%sbutton" % (n, s) for n in range(1, 11) for s in ("", "at")]
                    + ["buttonon", "buttonoff", "buttonp0", "buttonp25", "buttonp75",
                       "buttonp100", "buttonplay", "buttonpause", "buttonreplay", "buttonretry",
                       "buttondoc", "buttoninfo", "traypanel", "button", "form:TKsForm1",
                       "form:TForm3Warning1", "form:TForm5Warning2", "form:TForm6Loading"],
    "macrofunskin.ini": ["vscrollbar", "spinedit", "buttonDelayTime", "buttonRecord",
                         "buttonStop", "buttonDel", "buttonup", "buttondown", "buttonRep",
                         "buttonrepeat", "buttonLoad", "buttonSave", "buttonOKEXIT", "buttoninfo",
                         "form:TForm2Macro", "form:TForm4Repeat", "button"],
    "skin.ini": ["button", "form:TForm3Warning1", "form:TForm5Warning2", "form:TForm6Loading",
                 "form:TForm4Repeat"],
}

PICTURE_KEYS = {"picture", "hover", "down", "disabled"}
COLOUR_KEYS = {"colour", "textcolour", "framecolour", "transparent"}


def _snapshot(folder):
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


class GeneratedFolderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        cls.app = cls.temp.name
        cls.written = generate_assets.generate(cls.app)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def picture(self, form, component):
        return read_bmp_file(os.path.join(self.app, "pictures", form, component + ".bmp"))

    def skin(self, file_name):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        with open(os.path.join(self.app, "skin", file_name), "rb") as f:
            parser.read_string(f.read().decode("ascii"))
        return parser

    def test_every_picture_the_forms_load_exists_at_its_design_size(self):
        for form, pictures in REQUIRED_PICTURES.items():
            for component, width, height in pictures:
                with self.subTest(form=form, component=component):
                    bitmap = self.picture(form, component)
                    self.assertEqual((bitmap.width, bitmap.height), (width, height))

    def test_tray_icon_file_holds_both_sizes(self):
        with open(os.path.join(self.app, "pictures", "TKsForm1Trayicon", "TrayIcon1.ico"),
                  "rb") as f:
            self.assertEqual(read_ico(f.read()), [(16, 16, 32), (32, 32, 32)])

    def test_skin_files_carry_the_elements_the_forms_name(self):
        for file_name, names in REQUIRED_ELEMENTS.items():
            sections = set(self.skin(file_name).sections())
            with self.subTest(file_name):
                self.assertEqual(sorted(set(names) - sections), [])

    def test_skin_keys_are_the_agreed_ones_and_their_pictures_fit_the_control(self):
        sizes = {(file_name, element.name): element.size
                 for element in skins.ELEMENTS for file_name in element.files}
        for file_name in skins.SKIN_FILES:
            skin = self.skin(file_name)
            for section in skin.sections():
                for key, value in skin[section].items():
                    with self.subTest(file=file_name, section=section, key=key):
                        if key in PICTURE_KEYS:
                            self.assertNotIn("\\", value)
                            bitmap = read_bmp_file(os.path.join(self.app, "skin", value))
                            self.assertEqual((bitmap.width, bitmap.height), sizes[file_name, section])
                        elif key in COLOUR_KEYS:
                            self.assertRegex(value, r"^[0-9A-F]{6}$")
                        else:
                            self.assertEqual(key, "stretch")
                            self.assertIn(value, ("0", "1"))

    def test_skin_files_are_plain_ascii_with_windows_line_ends(self):
        for file_name in skins.SKIN_FILES:
            with open(os.path.join(self.app, "skin", file_name), "rb") as f:
                text = f.read()
            with self.subTest(file_name):
                text.decode("ascii")
                self.assertNotRegex(text, re.compile(rb"(?<!\r)\n"))

    def test_keyed_pictures_are_keyed_in_their_bottom_left_corner(self):
        # a loader that takes the colour key from the bottom-left pixel finds the same one
        for form, component in (("TKsForm1", "Imagekbmark"), ("TKsForm1Trayicon", "ImageList1_0")):
            with self.subTest(component):
                bitmap = self.picture(form, component)
                self.assertEqual(bitmap.pixel(0, bitmap.height - 1), (255, 0, 255))

    def test_overlays_fit_the_picture_they_are_laid_on(self):
        # each overlay equals the base picture at its own edge (no seam) and differs inside
        overlays = [
            ("TKsForm1", "ImgKBDLayout", "Imagekb1", keyboard.KEY_FIELD),
            ("TKsForm1", "ImgKBDLayout", "Imagekb2", keyboard.KEY_FIELD),
            ("TKsForm1", "ImgKBDLayout", "Imagekb3", keyboard.KEY_FIELD),
            ("TKsForm1", "ImgKBDLayout", "ImgLFanLine", keyboard.LEFT_FAN),
            ("TKsForm1", "ImgKBDLayout", "ImgRFanLine", keyboard.RIGHT_FAN),
            ("TKsForm1", "Image2", "Image15", panels.COLUMN_LOGO),
        ]
        for form, base_name, overlay_name, (x, y, w, h) in overlays:
            with self.subTest(overlay_name):
                base = self.picture(form, base_name).window(x, y, w, h)
                overlay = self.picture(form, overlay_name).rows
                self.assertEqual([row[0] for row in overlay], [row[0] for row in base])
                self.assertEqual([row[-1] for row in overlay], [row[-1] for row in base])
                self.assertEqual(overlay[-1], base[-1])
                self.assertNotEqual(overlay, base)

    def test_unlit_key_field_is_the_keyboard_picture_itself(self):
        x, y, w, h = keyboard.KEY_FIELD
        self.assertEqual(self.picture("TKsForm1", "Imagekb0").rows,
                         self.picture("TKsForm1", "ImgKBDLayout").window(x, y, w, h))

    def test_logo_sits_on_the_window_background_without_a_seam(self):
        x, y = catalogue.LOGO_AT
        logo = self.picture("TKsForm1", "Image1")
        background = read_bmp_file(os.path.join(self.app, "skin", "form_TKsForm1.bmp"))
        for row in range(1, logo.height):
            self.assertEqual(logo.pixel(0, row), background.pixel(x, y + row))
            self.assertEqual(logo.pixel(logo.width - 1, row),
                             background.pixel(x + logo.width - 1, y + row))

    def test_progress_track_has_an_empty_slot_under_each_segment(self):
        # the dialog lays the track at 24, 8 and img n at 32 + 41 (n - 1), 15, 40 x 11
        track = self.picture("TForm6Loading", "Image2")
        for n in range(1, 9):
            left, top = 32 + 41 * (n - 1) - 24, 15 - 8
            with self.subTest(n=n):
                for x, y in ((left + 1, top + 1), (left + 20, top + 5), (left + 38, top + 9)):
                    self.assertEqual(track.pixel(x, y), palette.DEEP)
                self.assertNotEqual(track.pixel(left - 1 if n > 1 else left - 3, top + 5),
                                    palette.DEEP)

    def test_a_second_run_writes_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as again:
            generate_assets.generate(again)
            self.assertEqual(_snapshot(again), _snapshot(self.app))

    def test_built_application_folder_is_up_to_date(self):
        built = os.environ.get("STORMLINE_APP_DIR")
        if not built:
            self.skipTest("run outside a build tree")
        ours = _snapshot(self.app)
        theirs = _snapshot(built)
        for relative, data in ours.items():
            with self.subTest(relative):
                self.assertEqual(theirs.get(relative), data)


if __name__ == "__main__":
    unittest.main()

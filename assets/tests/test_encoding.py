import unittest

from bitmaps import read_bmp, read_ico
from raster import Canvas, encode_bmp, encode_ico


class BmpEncodingTest(unittest.TestCase):
    def test_pixels_survive_every_row_padding(self):
        # widths 1-4 need 1, 2, 3 and 0 bytes of padding per row
        for width in (1, 2, 3, 4, 21):
            with self.subTest(width=width):
                canvas = Canvas(width, 3)
                for x in range(width):
                    for y in range(3):
                        i = (y * width + x) * 3
                        canvas.pixels[i:i + 3] = bytes((x * 10 % 256, y * 80, 200 - x))
                bitmap = read_bmp(encode_bmp(canvas))
                self.assertEqual((bitmap.width, bitmap.height), (width, 3))
                for x in range(width):
                    for y in range(3):
                        self.assertEqual(bitmap.pixel(x, y), (x * 10 % 256, y * 80, 200 - x))

    def test_reader_rejects_what_a_loader_would(self):
        good = encode_bmp(Canvas(3, 2))
        broken = {
            "truncated": good[:60],
            "wrong magic": b"MB" + good[2:],
            "32 bits": good[:28] + (32).to_bytes(2, "little") + good[30:],
            "compressed": good[:30] + (1).to_bytes(4, "little") + good[34:],
        }
        for name, data in broken.items():
            with self.subTest(name):
                with self.assertRaises(ValueError):
                    read_bmp(data)


class CanvasTest(unittest.TestCase):
    def test_a_window_draws_exactly_what_the_whole_picture_holds_there(self):
        def draw(canvas):
            canvas.gradient(0, 0, 40, 30, (10, 20, 30), (90, 80, 70))
            canvas.rounded(5.5, 4, 20, 14, 5, (250, 120, 20))
            canvas.line(2, 28, 37, 3, 2.5, (200, 200, 255), 0.7)
            canvas.polygon([(20, 5), (38, 15), (22, 27)], (0, 255, 0))
        whole = Canvas(40, 30)
        draw(whole)
        window = Canvas(17, 11, origin=(13, 9))
        draw(window)
        self.assertEqual(window.crop(13, 9, 17, 11).pixels, whole.crop(13, 9, 17, 11).pixels)

    def test_shapes_stay_inside_their_bounds(self):
        canvas = Canvas(20, 20)
        canvas.rounded(5, 5, 10, 10, 4, (255, 255, 255))
        for x in range(20):
            for y in range(20):
                inside = 4 <= x <= 15 and 4 <= y <= 15
                if not inside:
                    self.assertEqual(canvas.get(x, y), (0, 0, 0), (x, y))
        self.assertEqual(canvas.get(10, 10), (255, 255, 255))


class IcoEncodingTest(unittest.TestCase):
    def test_directory_matches_images(self):
        images = [(Canvas(16, 16), [255] * 256), (Canvas(32, 32), [0] * 1024)]
        self.assertEqual(read_ico(encode_ico(images)), [(16, 16, 32), (32, 32, 32)])


if __name__ == "__main__":
    unittest.main()

"""Reading back what the generator wrote, field by field, as a Windows loader would."""

import struct


class Bitmap:
    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows  # rows top-down of (r, g, b)

    def pixel(self, x, y):
        return self.rows[y][x]

    def window(self, x, y, w, h):
        return [row[x:x + w] for row in self.rows[y:y + h]]


def read_bmp(data):
    """Parse a 24-bit uncompressed bottom-up BMP; raises ValueError on anything else."""
    if len(data) < 54:
        raise ValueError("shorter than the two headers")
    magic, file_size, _, _, pixel_offset = struct.unpack_from("<2sIHHI", data, 0)
    (info_size, width, height, planes, bits, compression, image_size,
     _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    stride = (width * 3 + 3) & ~3
    checks = {
        "magic": magic == b"BM",
        "file size": file_size == len(data),
        "pixel offset": pixel_offset == 54,
        "info header size": info_size == 40,
        "positive size": width > 0 and height > 0,
        "planes": planes == 1,
        "24 bits": bits == 24,
        "uncompressed": compression == 0,
        "image size": image_size == stride * height == len(data) - 54,
    }
    failed = [name for name, ok in checks.items() if not ok]
    if failed:
        raise ValueError("bad BMP: " + ", ".join(failed))
    rows = []
    for y in range(height):
        start = 54 + (height - 1 - y) * stride
        line = data[start:start + width * 3]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, width * 3, 3)])
        if any(data[start + width * 3:start + stride]):
            raise ValueError("row padding is not zero")
    return Bitmap(width, height, rows)


def read_bmp_file(path):
    with open(path, "rb") as f:
        return read_bmp(f.read())


def read_ico(data):
    """(width, height, bits) of each image of an icon file, after checking its structure."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError("not an icon file")
    images = []
    for n in range(count):
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        if offset + size > len(data):
            raise ValueError("image %d runs past the end" % n)
        info_size, iw, ih, _, ibits = struct.unpack_from("<IiiHH", data, offset)
        w, h = w or 256, h or 256
        mask = ((w + 31) // 32) * 4 * h
        if (info_size, iw, ih, ibits) != (40, w, 2 * h, bits) or size != 40 + w * h * 4 + mask:
            raise ValueError("image %d header disagrees with its directory entry" % n)
        images.append((w, h, bits))
    return images

"""Writes a canvas as a 24-bit uncompressed Windows bitmap."""

import struct


def bmp_bytes(canvas):
    row_size = (canvas.width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):  # bitmaps are stored bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(row_size - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def write_bmp(path, canvas):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(bmp_bytes(canvas))

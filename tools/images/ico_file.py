"""Writes canvases of several sizes as one 32-bit icon with AND masks."""

import struct

from palette import TRANSPARENT


def icon_image_bytes(canvas):
    colour = bytearray()
    for row in reversed(canvas.rows):
        for pixel in row:
            r, g, b = pixel
            alpha = 0 if pixel == TRANSPARENT else 255
            colour += bytes((b, g, r, alpha) if alpha else (0, 0, 0, 0))
    mask_row_size = (canvas.width + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(canvas.rows):
        bits = bytearray(mask_row_size)
        for x, pixel in enumerate(row):
            if pixel == TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The height counts the colour image and the mask together.
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + colour + mask


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = bytearray()
    for canvas, image in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0,
                               1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def write_ico(path, canvases):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(ico_bytes(canvases))

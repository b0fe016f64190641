"""A small RGB pixel grid that shapes are painted onto."""

from palette import TRANSPARENT


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.rows = [[TRANSPARENT] * width for _ in range(height)]

    def contains(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        # A drawn pixel of the transparent colour would vanish on the button.
        assert colour != TRANSPARENT, "drawing with the transparent colour"
        if self.contains(x, y):
            self.rows[y][x] = colour

    def clear(self, mask):
        for x, y in mask:
            if self.contains(x, y):
                self.rows[y][x] = TRANSPARENT

    def paint(self, mask, colour):
        for x, y in mask:
            self.set(x, y, colour)

    def paint_outlined(self, mask, fill, outline):
        """Fills the shape and gives it a 1-pixel border of its own."""
        for x, y in mask:
            self.set(x, y, outline if is_edge(mask, x, y) else fill)

    def paint_ringed(self, mask, fill, outline):
        """Fills the shape and rings it with a 1-pixel border outside it, corners included."""
        self.paint(ring_around(mask), outline)
        self.paint(mask, fill)

    def stamp(self, x0, y0, rows, colours):
        """Pixel art: each character of the rows names a colour; any other character leaves the pixel."""
        for dy, row in enumerate(rows):
            for dx, key in enumerate(row):
                if key in colours:
                    self.set(x0 + dx, y0 + dy, colours[key])

    def recolour(self, change):
        for y in range(self.height):
            for x in range(self.width):
                if self.rows[y][x] != TRANSPARENT:
                    self.rows[y][x] = change(self.rows[y][x])


def is_edge(mask, x, y):
    return any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def ring_around(mask):
    return {(x + dx, y + dy) for x, y in mask for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - mask


def greyed(colour):
    """The washed-out grey of a disabled button; never dark enough to hit the transparent colour."""
    r, g, b = colour
    luminance = 0.30 * r + 0.59 * g + 0.11 * b
    level = int(96 + luminance * 0.52)
    return (level, level, level)

"""The settings dialog's pictures: the two spellings of "colour" as the flags of the countries
that use them, and the dialog's icon."""

from instruments import gear
from palette import BLUE, GREEN, OUTLINE, RED, WHITE
from shapes import bar, disc, rect

FLAG_RED = (200, 24, 40)
FLAG_BLUE = (20, 40, 120)


def flag_frame(c):
    """The flag's corners: 2 wide by 3 high across the canvas, centred."""
    width = c.width
    height = width * 2 // 3
    top = (c.height - height) // 2
    return 0, top, width - 1, top + height - 1


def outline(c, x0, y0, x1, y1):
    c.paint(rect(x0, y0, x1, y0) | rect(x0, y1, x1, y1) | rect(x0, y0, x0, y1) | rect(x1, y0, x1, y1), OUTLINE)


def colour_word_colour(c):
    """"colour": a British flag."""
    x0, y0, x1, y1 = flag_frame(c)
    inside = rect(x0, y0, x1, y1)
    c.paint(inside, FLAG_BLUE)
    diagonals = bar(x0, y0, x1, y1, 2.2) | bar(x0, y1, x1, y0, 2.2)
    c.paint(diagonals & inside, WHITE)
    c.paint((bar(x0, y0, x1, y1, 0.7) | bar(x0, y1, x1, y0, 0.7)) & inside, FLAG_RED)
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    c.paint(rect(x0, cy - 2, x1, cy + 2) | rect(cx - 2, y0, cx + 2, y1), WHITE)
    c.paint(rect(x0, cy - 1, x1, cy + 1) | rect(cx - 1, y0, cx + 1, y1), FLAG_RED)
    outline(c, x0, y0, x1, y1)


def colour_word_color(c):
    """"color": an American flag."""
    x0, y0, x1, y1 = flag_frame(c)
    for index, y in enumerate(range(y0, y1 + 1, 2)):
        c.paint(rect(x0, y, x1, min(y + 1, y1)), FLAG_RED if index % 2 == 0 else WHITE)
    canton_x1 = x0 + (x1 - x0) * 9 // 20
    canton_y1 = y0 + (y1 - y0) // 2
    c.paint(rect(x0, y0, canton_x1, canton_y1), FLAG_BLUE)
    for y in range(y0 + 2, canton_y1, 3):
        for x in range(x0 + 2, canton_x1, 3):
            c.set(x, y, WHITE)
    outline(c, x0, y0, x1, y1)


def settings_icon(c):
    """The editor settings: a gear with three colour dots for the colour choices."""
    if c.width <= 16:
        gear(c, 7.5, 7.5, 7.4)
        for x, y, colour in ((9, 13, RED), (12, 13, GREEN), (12, 10, BLUE)):
            c.paint_ringed(rect(x, y, x + 1, y + 1), colour, OUTLINE)
        return
    gear(c, 14.5, 14.5, 14.0)
    for x, y, colour in ((21, 27, RED), (27, 27, GREEN), (27, 21, BLUE)):
        c.paint_ringed(disc(x, y, 2.2), colour, OUTLINE)

"""Marks that stand for parts of a program's source: blocks, subroutines, lines, letters."""

from font import BOLD, LARGE, SMALL, text_mask
from palette import BLUE, DARK_BLUE
from shapes import rect, union


def bracket(c, x0, y0, x1, y1, opening=True, stroke=3, fill=BLUE, outline=DARK_BLUE):
    """A square bracket, [ when opening, ] when closing; a 3-pixel stroke gets an outline."""
    last = stroke - 1
    spine = rect(x0, y0, x0 + last, y1) if opening else rect(x1 - last, y0, x1, y1)
    shape = union(spine, rect(x0, y0, x1, y0 + last), rect(x0, y1 - last, x1, y1))
    if stroke >= 3:
        c.paint_outlined(shape, fill, outline)
    else:
        c.paint(shape, outline)


def glyphs_for(large, bold):
    return BOLD if bold else LARGE if large else SMALL


def label(c, text, x0, y0, colour=DARK_BLUE, large=False, bold=False, scale=1):
    """Letters in a pixel font: 3x5, 5x7, or bold 7 pixels high; scale blows each pixel up."""
    c.paint(text_mask(text, x0, y0, glyphs_for(large, bold), scale=scale), colour)

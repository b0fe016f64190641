"""Pages, folders, disks, clipboards and books: the things a file command acts on."""

from palette import (BLUE, BROWN, DARK_BLUE, DARK_BROWN, DARK_GREY, DARK_YELLOW, GOLD, LIGHT_BLUE,
                     PAPER_EDGE, PAPER_SHADE, SILVER, TEXT_LINE, WHITE, YELLOW)
from shapes import convex, hline, rect, union, vline

LINE_LENGTHS = (1.0, 0.7, 0.9, 0.5, 0.8, 0.6)


def page(c, x0, y0, x1, y1, fold=None):
    """A sheet with its top-right corner folded over."""
    fold = fold if fold is not None else max(3, (x1 - x0) // 3)
    c.paint_outlined(convex([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]),
                     WHITE, PAPER_EDGE)
    c.paint_outlined(convex([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]),
                     PAPER_SHADE, PAPER_EDGE)


def text_lines(c, x0, y0, x1, y1, colour=TEXT_LINE, step=2):
    for index, y in enumerate(range(y0, y1 + 1, step)):
        length = round((x1 - x0) * LINE_LENGTHS[index % len(LINE_LENGTHS)])
        c.paint(hline(x0, x0 + length, y), colour)


def written_page(c, x0, y0, x1, y1, fold=None):
    fold = fold if fold is not None else max(3, (x1 - x0) // 3)
    page(c, x0, y0, x1, y1, fold)
    text_lines(c, x0 + 2, y0 + fold + 2, x1 - 2, y1 - 2)


def open_folder(c, x0, y0, x1, y1):
    tab_end = x0 + (x1 - x0) * 2 // 5
    c.paint_outlined(union(rect(x0, y0, tab_end, y0 + 2), rect(x0, y0 + 2, x1 - 2, y1)),
                     GOLD, DARK_YELLOW)
    flap_top = y0 + (y1 - y0) * 9 // 20
    c.paint_outlined(rect(x0 + 2, y0 + 4, x1 - 4, flap_top), WHITE, PAPER_EDGE)
    slant = max(2, (x1 - x0) // 6)
    c.paint_outlined(convex([(x0 + slant, flap_top), (x1, flap_top), (x1 - slant, y1), (x0, y1)]),
                     YELLOW, DARK_YELLOW)


def floppy(c, x0, y0, x1, y1):
    width, height = x1 - x0, y1 - y0
    cut = max(2, width // 7)
    c.paint_outlined(convex([(x0, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1), (x0, y1)]),
                     BLUE, DARK_BLUE)
    shutter_x0, shutter_x1 = x0 + round(width * 0.25), x1 - round(width * 0.22)
    shutter_y1 = y0 + round(height * 0.38)
    c.paint_outlined(rect(shutter_x0, y0, shutter_x1, shutter_y1), SILVER, DARK_GREY)
    slot_width = max(1, width // 8)
    c.paint(rect(shutter_x1 - 1 - slot_width, y0 + 1, shutter_x1 - 2, shutter_y1 - 1), DARK_BLUE)
    label_y0 = y0 + round(height * 0.55)
    c.paint_outlined(rect(x0 + 2, label_y0, x1 - 2, y1), WHITE, PAPER_EDGE)
    for y in range(label_y0 + 2, y1 - 1, 2):
        c.paint(hline(x0 + 4, x1 - 4, y), LIGHT_BLUE)


def clipboard(c, x0, y0, x1, y1, paper=True):
    c.paint_outlined(rect(x0, y0 + 1, x1, y1), BROWN, DARK_BROWN)
    if paper:
        c.paint_outlined(rect(x0 + 2, y0 + 3, x1 - 2, y1 - 2), WHITE, PAPER_EDGE)
    middle = (x0 + x1) // 2
    half = max(2, (x1 - x0) // 5)
    c.paint_outlined(rect(middle - half, y0, middle + half + (x1 - x0) % 2, y0 + 3), SILVER, DARK_GREY)


def book(c, x0, y0, x1, y1, cover=BLUE, edge=DARK_BLUE):
    c.paint_outlined(rect(x0 + 2, y0 + 2, x1, y1), WHITE, PAPER_EDGE)
    c.paint_outlined(rect(x0, y0, x1 - 2, y1 - 2), cover, edge)
    c.paint(vline(x0 + 2, y0 + 1, y1 - 3), edge)

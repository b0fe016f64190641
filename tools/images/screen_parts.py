"""Pieces of a program's screen: windows, buttons, scroll bars, tick boxes, the mouse pointer."""

from palette import (BLUE, DARK_BLUE, DARK_GREY, GREY, LIGHT_BLUE, OUTLINE, RED, SILVER, WHITE)
from shapes import convex, rect

POINTER = [
    "o.......",
    "oo......",
    "owo.....",
    "owwo....",
    "owwwo...",
    "owwwwo..",
    "owwwwwo.",
    "owwwwwwo",
    "owwwoooo",
    "owoowo..",
    "oo.owwo.",
    "....owo.",
    "....oo..",
]


def window(c, x0, y0, x1, y1, client=WHITE):
    c.paint_outlined(rect(x0, y0, x1, y1), client, DARK_BLUE)
    title = 3 if y1 - y0 >= 12 else 2
    c.paint(rect(x0 + 1, y0 + 1, x1 - 1, y0 + title), BLUE)
    if x1 - x0 >= 10 and title >= 3:
        c.paint(rect(x1 - 3, y0 + 1, x1 - 2, y0 + 2), RED)
    return y0 + title + 1


def push_button(c, x0, y0, x1, y1):
    """A raised button: light top-left edges, dark bottom-right."""
    c.paint_outlined(rect(x0, y0, x1, y1), SILVER, OUTLINE)
    c.paint(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 1) | rect(x0 + 1, y0 + 1, x0 + 1, y1 - 1), WHITE)
    c.paint(rect(x0 + 2, y1 - 1, x1 - 1, y1 - 1) | rect(x1 - 1, y0 + 2, x1 - 1, y1 - 1), GREY)


def tick_box(c, x0, y0, size):
    c.paint_outlined(rect(x0, y0, x0 + size - 1, y0 + size - 1), WHITE, DARK_GREY)


def scroll_bar(c, x0, y0, x1, y1):
    """A vertical scroll bar: end buttons with arrows and a thumb between them."""
    width = x1 - x0
    c.paint_outlined(rect(x0, y0, x1, y1), LIGHT_BLUE, DARK_GREY)
    middle = (x0 + x1) / 2
    for top, pointing_up in ((y0, True), (y1 - width, False)):
        push_button(c, x0, top, x1, top + width)
        apex, base = (top + 2, top + width - 3) if pointing_up else (top + width - 2, top + 3)
        c.paint(convex([(middle, apex), (x1 - 2.5, base), (x0 + 2.5, base)]), OUTLINE)
    thumb = (y0 + y1) // 2
    push_button(c, x0, thumb - width // 2 - 1, x1, thumb + width // 2)


def mouse_pointer(c, x0, y0):
    c.stamp(x0, y0, POINTER, {"o": OUTLINE, "w": WHITE})

"""Small marks laid over a pictogram to say what happens to it: add, remove, clear, warn, when."""

import math

from palette import (DARK_BLUE, DARK_GREEN, DARK_RED, DARK_YELLOW, GREEN, LIGHT_GREEN, LIGHT_YELLOW,
                     OUTLINE, RED, WHITE, YELLOW)
from shapes import bar, convex, disc, line, rect, union, vline


def cross_out(c, x0, y0, size):
    """The red X of delete, close and clear; with its outline it fills the square at (x0, y0)."""
    x1, y1 = x0 + size - 2, y0 + size - 2
    strokes = union(line(x0 + 1, y0 + 1, x1, y1), line(x1, y0 + 1, x0 + 1, y1))
    if size >= 10:  # big enough for strokes two pixels wide
        strokes |= union(line(x0 + 2, y0 + 1, x1, y1 - 1), line(x1 - 1, y0 + 1, x0 + 1, y1 - 1))
    c.paint_ringed(strokes, RED, DARK_RED)


def plus(c, x0, y0, size, thickness=None):
    thickness = thickness or (3 if size < 9 else 4)
    start = x0 + (size - thickness) // 2
    top = y0 + (size - thickness) // 2
    c.paint_outlined(union(rect(x0, top, x0 + size - 1, top + thickness - 1),
                           rect(start, y0, start + thickness - 1, y0 + size - 1)),
                     GREEN, DARK_GREEN)


def minus(c, x0, y0, size, thickness=None):
    thickness = thickness or (3 if size < 9 else 4)
    top = y0 + (size - thickness) // 2
    c.paint_outlined(rect(x0, top, x0 + size - 1, top + thickness - 1), RED, DARK_RED)


def slash(c, x0, y0, x1, y1, half_width=1.2):
    """The red stroke through something switched off."""
    c.paint_outlined(bar(x0, y0, x1, y1, half_width), RED, DARK_RED)


def tick(c, x0, y0, size):
    """A green check mark in the square at (x0, y0)."""
    x1, y1 = x0 + size - 1, y0 + size - 1
    low_x, low_y = x0 + size * 0.38, y1 - 0.7
    half_width = 0.8 if size < 8 else 1.1
    c.paint_outlined(union(bar(x0 + 0.5, y0 + size * 0.5, low_x, low_y, half_width),
                           bar(low_x, low_y, x1 - 0.3, y0 + 0.5, half_width)),
                     GREEN, DARK_GREEN)


def star(c, cx, cy, outer, inner=None):
    inner = inner if inner is not None else outer * 0.45
    points = []
    for index in range(10):
        radius = outer if index % 2 == 0 else inner
        angle = math.radians(90 + 36 * index)
        points.append((cx + radius * math.cos(angle), cy - radius * math.sin(angle)))
    # The star is concave: its centre plus one convex spike per point.
    body = convex(points[1::2])
    for index in range(0, 10, 2):
        body |= convex([points[index - 1], points[index], points[(index + 1) % 10], (cx, cy)])
    c.paint_outlined(body, YELLOW, DARK_YELLOW)


def sparkle(c, cx, cy, reach):
    """The little four-pointed burst that marks something as new."""
    shape = union(convex([(cx, cy - reach), (cx + 1.5, cy), (cx, cy + reach), (cx - 1.5, cy)]),
                  convex([(cx - reach, cy), (cx, cy - 1.5), (cx + reach, cy), (cx, cy + 1.5)]))
    c.paint_ringed(shape, YELLOW, DARK_YELLOW)
    c.set(cx, cy, LIGHT_YELLOW)


def warning(c, x0, y0, size):
    x1, y1 = x0 + size - 1, y0 + size - 1
    middle = (x0 + x1) / 2
    c.paint_outlined(convex([(middle, y0), (x1, y1), (x0, y1)]), YELLOW, DARK_YELLOW)
    column = math.floor(middle)
    c.paint(vline(column, y0 + 3, y1 - 3), OUTLINE)
    c.set(column, y1 - 1, OUTLINE)
    if size % 2 == 0:
        c.paint(vline(column + 1, y0 + 3, y1 - 3), OUTLINE)
        c.set(column + 1, y1 - 1, OUTLINE)


def clock(c, cx, cy, radius):
    c.paint_outlined(disc(cx, cy, radius), WHITE, DARK_BLUE)
    hand = max(2, round(radius) - 1)
    c.paint(vline(round(cx), round(cy) - hand, round(cy)), OUTLINE)
    c.paint(rect(round(cx), round(cy), round(cx) + hand - 1, round(cy)), OUTLINE)


def lamp(c, cx, cy, radius):
    """A lit green indicator: the feature is on."""
    c.paint_outlined(disc(cx, cy, radius), GREEN, DARK_GREEN)
    c.set(round(cx - radius / 2), round(cy - radius / 2), LIGHT_GREEN)

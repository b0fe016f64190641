"""Bookmarks, map pins, doors and bugs: where you are, where you go, what went wrong."""

from palette import (BLUE, BROWN, DARK_BLUE, DARK_BROWN, DARK_ORANGE, LIGHT_BLUE, ORANGE, OUTLINE,
                     RED, DARK_RED, WHITE)
from shapes import convex, disc, ellipse, line, rect, union, vline


def ribbon(c, x0, y0, x1, y1, fill=BLUE, outline=DARK_BLUE):
    """A bookmark ribbon with a V cut out of its tail."""
    middle = (x0 + x1) / 2
    notch = max(2, (x1 - x0) // 2)
    shape = union(convex([(x0, y0), (middle, y0), (middle, y1 - notch), (x0, y1)]),
                  convex([(middle, y0), (x1, y0), (x1, y1), (middle, y1 - notch)]))
    c.paint_outlined(shape, fill, outline)
    c.paint(vline(round(x0 + 1), y0 + 1, y1 - 2), LIGHT_BLUE)


def pin(c, cx, y0, radius, fill=ORANGE, outline=DARK_ORANGE):
    """A map pin: a round head tapering to a point at the bottom."""
    centre_y = y0 + radius
    point_y = y0 + radius * 3.2
    shape = union(disc(cx, centre_y, radius),
                  convex([(cx - radius * 0.86, centre_y + radius * 0.5), (cx + radius * 0.86, centre_y + radius * 0.5),
                          (cx, point_y)]))
    c.paint_outlined(shape, fill, outline)
    c.paint(disc(cx, centre_y, radius * 0.36), outline)
    c.paint(disc(cx, centre_y, radius * 0.36 - 1), WHITE)


def door(c, x0, y0, x1, y1):
    """An open door seen from inside: the dark doorway and the leaf swung towards us."""
    c.paint_outlined(rect(x0, y0, x1, y1), OUTLINE, DARK_BROWN)
    leaf_x = x0 + (x1 - x0) * 3 // 5
    c.paint_outlined(convex([(x0, y0), (leaf_x, y0 + 2), (leaf_x, y1 + 1), (x0, y1)]), BROWN, DARK_BROWN)
    c.set(leaf_x - 1, (y0 + y1) // 2 + 1, DARK_BROWN)


def bug(c, cx, y0, size):
    """A ladybird: a red shell split down the middle, spots, legs and feelers."""
    body_y = y0 + size * 0.58
    rx, ry = size * 0.3, size * 0.33
    legs = set()
    for offset in (-0.35, 0.05, 0.45):
        y = round(body_y + ry * offset)
        legs |= line(round(cx - rx - 2), y + (1 if offset > 0 else -1 if offset < 0 else 0), round(cx), y)
        legs |= line(round(cx + rx + 2), y + (1 if offset > 0 else -1 if offset < 0 else 0), round(cx), y)
    top = round(body_y - ry)
    feelers = line(round(cx - 1), top - 1, round(cx - size * 0.2), round(y0)) | \
        line(round(cx + 1), top - 1, round(cx + size * 0.2), round(y0))
    c.paint(legs | feelers, OUTLINE)
    c.paint_outlined(ellipse(cx, body_y, rx, ry), RED, DARK_RED)
    c.paint_outlined(disc(cx, top, size * 0.15), OUTLINE, OUTLINE)
    c.paint(vline(round(cx), top, round(body_y + ry)), OUTLINE)
    for dx, dy in ((-0.5, -0.2), (0.5, -0.2), (-0.45, 0.4), (0.45, 0.4)):
        c.paint(disc(cx + rx * dx, body_y + ry * dy, 0.4 if size < 20 else 0.8), OUTLINE)

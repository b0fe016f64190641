"""Hand tools: magnifier, pencil, eraser, brush, wrench, scissors and gear."""

import math

from palette import (BEIGE, BLUE, BROWN, DARK_BLUE, DARK_BROWN, DARK_GREY, DARK_PINK, DARK_RED,
                     DARK_YELLOW, GREY, LIGHT_BLUE, OUTLINE, PINK, RED, SILVER, WHITE, YELLOW)
from shapes import bar, convex, disc, union

DIAGONAL = math.sqrt(0.5)

FINGER_RING = [
    ".ddd.",
    "drrrd",
    "dr.rd",
    "drrrd",
    ".ddd.",
]


def magnifier(c, cx, cy, radius, handle):
    """A lens centred at (cx, cy) with its handle running down to the right."""
    start = radius * DIAGONAL
    end = start + handle * DIAGONAL
    half_width = 1.0 if radius < 4 else 1.3
    c.paint_outlined(bar(cx + start, cy + start, cx + end, cy + end, half_width), DARK_GREY, OUTLINE)
    c.paint_outlined(disc(cx, cy, radius), GREY, OUTLINE)
    c.paint(disc(cx, cy, radius - 1.3), LIGHT_BLUE)
    glint = max(1, round(radius * 0.45))
    c.set(round(cx - glint), round(cy - glint + 1), WHITE)
    c.set(round(cx - glint + 1), round(cy - glint), WHITE)


def along(ax, ay, bx, by, fraction):
    return ax + (bx - ax) * fraction, ay + (by - ay) * fraction


def pencil(c, tip_x, tip_y, end_x, end_y, half_width=1.3):
    """A pencil writing at the tip, its rubber at the far end."""
    length = math.hypot(end_x - tip_x, end_y - tip_y)
    wood = along(tip_x, tip_y, end_x, end_y, min(0.4, 3.2 / length))
    rubber = along(tip_x, tip_y, end_x, end_y, 1 - min(0.3, 2.5 / length))
    nx, ny = -(end_y - tip_y) / length * half_width, (end_x - tip_x) / length * half_width
    c.paint_outlined(bar(*wood, *rubber, half_width), YELLOW, DARK_YELLOW)
    c.paint_outlined(bar(*rubber, end_x, end_y, half_width), PINK, DARK_PINK)
    c.paint_outlined(convex([(tip_x, tip_y), (wood[0] + nx, wood[1] + ny), (wood[0] - nx, wood[1] - ny)]),
                     BEIGE, DARK_BROWN)
    c.set(round(tip_x), round(tip_y), OUTLINE)


def eraser(c, low_x, low_y, high_x, high_y, half_width=2.0):
    """A rubber block lying across from its rubbing end (low) to its sleeve (high)."""
    middle = along(low_x, low_y, high_x, high_y, 0.45)
    c.paint_outlined(bar(*middle, high_x, high_y, half_width), BLUE, DARK_BLUE)
    c.paint_outlined(bar(low_x, low_y, *middle, half_width), PINK, DARK_PINK)


def brush(c, tip_x, tip_y, end_x, end_y, paint=RED, paint_edge=DARK_RED):
    """A paint brush: wet bristles at the tip, a wooden handle at the end."""
    bristles = along(tip_x, tip_y, end_x, end_y, 0.32)
    ferrule = along(tip_x, tip_y, end_x, end_y, 0.48)
    c.paint_outlined(bar(*ferrule, end_x, end_y, 1.0), BROWN, DARK_BROWN)
    c.paint_outlined(bar(*bristles, *ferrule, 1.8), SILVER, DARK_GREY)
    c.paint_outlined(union(bar(tip_x, tip_y, *bristles, 1.2), bar(*along(tip_x, tip_y, *bristles, 0.4),
                                                                  *bristles, 1.8)), paint, paint_edge)


def wrench(c, head_x, head_y, end_x, end_y, radius):
    """An open-ended spanner, its jaw at the head."""
    c.paint_outlined(union(disc(head_x, head_y, radius), bar(head_x, head_y, end_x, end_y, radius * 0.5)),
                     SILVER, DARK_GREY)
    # The jaw opens away from the handle.
    length = math.hypot(head_x - end_x, head_y - end_y)
    ux, uy = (head_x - end_x) / length, (head_y - end_y) / length
    jaw = bar(head_x, head_y, head_x + ux * radius * 1.6, head_y + uy * radius * 1.6, radius * 0.42)
    c.clear(jaw)
    edge = {(x + dx, y + dy) for x, y in jaw for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))}
    c.paint({p for p in edge - jaw if c.contains(*p) and c.get(*p) == SILVER}, DARK_GREY)


def scissors(c, x0, y0, size):
    """Open blades crossing at the pivot, finger rings at the bottom."""
    def at(fx, fy):
        return x0 + fx * (size - 1), y0 + fy * (size - 1)
    blade = 0.5 if size < 20 else 0.9
    blades = union(bar(*at(0.32, 0.66), *at(0.8, 0.0), blade), bar(*at(0.68, 0.66), *at(0.2, 0.0), blade))
    c.paint_ringed(blades, SILVER, DARK_GREY)
    for cx, cy in (at(0.2, 0.84), at(0.8, 0.84)):
        c.stamp(round(cx) - 2, round(cy) - 2, FINGER_RING, {"d": DARK_RED, "r": RED})
    c.set(*map(round, at(0.5, 0.42)), OUTLINE)


def gear(c, cx, cy, radius, teeth=8):
    body = disc(cx, cy, radius * 0.72)
    for index in range(teeth):
        angle = math.radians(index * 360 / teeth + 360 / teeth / 2)
        body |= bar(cx, cy, cx + radius * math.cos(angle), cy - radius * math.sin(angle), radius * 0.2)
    c.paint_outlined(body, GREY, DARK_GREY)
    c.paint_outlined(disc(cx, cy, radius * 0.32 + 0.6), DARK_GREY, DARK_GREY)
    c.clear(disc(cx, cy, radius * 0.32 - 0.4))

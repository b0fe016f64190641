"""Straight, circular and turning arrows: where a command takes you, or that it repeats."""

import math

from palette import BLUE, DARK_BLUE, DARK_GREEN, GREEN
from shapes import arc, convex, rect, union

# How a right-pointing arrow's (along, across) axes map onto the image for each direction.
DIRECTIONS = {
    "right": lambda along, across, box: (box[0] + along, box[1] + across),
    "left": lambda along, across, box: (box[2] - along, box[1] + across),
    "down": lambda along, across, box: (box[0] + across, box[1] + along),
    "up": lambda along, across, box: (box[0] + across, box[3] - along),
}


def straight_arrow(c, direction, x0, y0, x1, y1, fill=GREEN, outline=DARK_GREEN, shaft=None):
    """An arrow that fills the box and points towards one of its sides."""
    box = (x0, y0, x1, y1)
    horizontal = direction in ("left", "right")
    length = (x1 - x0) if horizontal else (y1 - y0)
    breadth = (y1 - y0) if horizontal else (x1 - x0)
    head = min(length - 1, breadth // 2 + 1)
    middle = breadth / 2
    shaft = shaft if shaft is not None else max(1, round(breadth * 0.22))
    place = DIRECTIONS[direction]
    stem = [(0, middle - shaft), (length - head, middle - shaft),
            (length - head, middle + shaft), (0, middle + shaft)]
    tip = [(length - head, 0), (length, middle), (length - head, breadth)]
    shape = union(convex([place(a, b, box) for a, b in stem]),
                  convex([place(a, b, box) for a, b in tip]))
    c.paint_outlined(shape, fill, outline)


def point_on(cx, cy, radius, degrees):
    return (cx + radius * math.cos(math.radians(degrees)), cy - radius * math.sin(math.radians(degrees)))


def circular_arrow(c, cx, cy, radius, clockwise=True, fill=GREEN, outline=DARK_GREEN, stroke=2):
    """Most of a circle (ringed by its outline) with the head in the gap at the top, on the right
    when turning clockwise, on the left when not."""
    inner, outer = (radius - 0.5, radius + 0.5) if stroke == 2 else (radius, radius)
    head_angle = 75 if clockwise else 105
    start, end = (head_angle - 280, head_angle) if not clockwise else (head_angle, head_angle + 280)
    sweep = -1 if clockwise else 1
    half = 2.6 if radius < 4.5 else 3.1
    base_in = point_on(cx, cy, radius - half, head_angle)
    base_out = point_on(cx, cy, radius + half, head_angle)
    angle = math.radians(head_angle)
    # The way round the circle that the arrow turns, at the head.
    tx, ty = -math.sin(angle) * sweep, -math.cos(angle) * sweep
    mid = point_on(cx, cy, radius, head_angle)
    tip = (mid[0] + tx * half * 1.5, mid[1] + ty * half * 1.5)
    shape = arc(cx, cy, inner, outer, start, end) | convex([base_in, base_out, tip])
    c.paint_ringed(shape, fill, outline)


def undo_arrow(c, x0, y0, x1, y1, stroke=3, fill=BLUE, outline=DARK_BLUE):
    """A U-turn filling the box (its outline goes round it): the head at the top pointing left,
    the curve on the right, the tail at the bottom."""
    head_half = stroke + 1
    apex_y = y0 + head_half
    top = apex_y - (stroke - 1) // 2
    outer = (y1 - top) / 2
    cx, cy = x1 - outer, (top + y1) / 2
    head_length = head_half + 1
    shape = arc(cx, cy, outer - stroke + 1, outer, -90, 90)
    shape |= rect(x0 + head_length - 1, top, math.ceil(cx), top + stroke - 1)
    shape |= rect(x0 + head_length + 1, y1 - stroke + 1, math.ceil(cx), y1)
    shape |= convex([(x0 + head_length, y0), (x0, apex_y), (x0 + head_length, apex_y + head_half)])
    c.paint_ringed(shape, fill, outline)

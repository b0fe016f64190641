"""Masks (sets of pixel positions) for the basic shapes, with pixel centres at whole numbers."""

import math

EPSILON = 1e-6


def rect(x0, y0, x1, y1):
    """Inclusive corners."""
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def convex(points):
    """A convex polygon; pixels whose centre lies on the border count as inside."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    turn = signed_area(points)
    mask = set()
    for y in range(math.floor(min(ys)), math.ceil(max(ys)) + 1):
        for x in range(math.floor(min(xs)), math.ceil(max(xs)) + 1):
            if inside_convex(points, turn, x, y):
                mask.add((x, y))
    return mask


def signed_area(points):
    return sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))


def inside_convex(points, turn, x, y):
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
        length = math.hypot(bx - ax, by - ay) or 1.0
        if cross * (1 if turn > 0 else -1) < -EPSILON * length:
            return False
    return True


def bar(ax, ay, bx, by, half_width):
    """A straight stroke of some thickness from A to B."""
    length = math.hypot(bx - ax, by - ay)
    nx, ny = -(by - ay) / length * half_width, (bx - ax) / length * half_width
    return convex([(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)])


def disc(cx, cy, radius):
    reach = radius + 0.35
    return {(x, y)
            for y in range(math.floor(cy - reach), math.ceil(cy + reach) + 1)
            for x in range(math.floor(cx - reach), math.ceil(cx + reach) + 1)
            if (x - cx) ** 2 + (y - cy) ** 2 <= reach * reach}


def ellipse(cx, cy, rx, ry):
    return {(x, y)
            for y in range(math.floor(cy - ry - 1), math.ceil(cy + ry) + 2)
            for x in range(math.floor(cx - rx - 1), math.ceil(cx + rx) + 2)
            if ((x - cx) / (rx + 0.35)) ** 2 + ((y - cy) / (ry + 0.35)) ** 2 <= 1.0}


def arc(cx, cy, inner, outer, start_degrees, end_degrees):
    """Part of a ring, counter-clockwise from start to end; 0 degrees points right, 90 up."""
    mask = set()
    span = (end_degrees - start_degrees) % 360 or 360
    for (x, y) in disc(cx, cy, outer):
        distance = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(cy - y, x - cx))
        if distance >= inner - 0.35 and (angle - start_degrees) % 360 <= span:
            mask.add((x, y))
    return mask


def hline(x0, x1, y):
    return rect(x0, y, x1, y)


def vline(x, y0, y1):
    return rect(x, y0, x, y1)


def line(x0, y0, x1, y1):
    """A 1-pixel line (Bresenham)."""
    mask = set()
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    error = dx + dy
    while True:
        mask.add((x0, y0))
        if x0 == x1 and y0 == y1:
            return mask
        doubled = 2 * error
        if doubled >= dy:
            error += dy
            x0 += sx
        if doubled <= dx:
            error += dx
            y0 += sy


def union(*masks):
    result = set()
    for mask in masks:
        result |= mask
    return result

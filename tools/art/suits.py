"""Bamboo sticks and circles: the two suits drawn from simple shapes."""
import numpy as np

import sprites
from bmp4 import (BLUE, DARK_BLUE, DARK_GREEN, DARK_RED, GREEN, RED, WHITE,
                  YELLOW)
from tiles import MINI, blank_picture as blank

CLEAR = 255  # "no pixel" inside a shape before it is pasted


def paste(pic, shape, x, y):
    h, w = shape.shape
    assert 0 <= x and x + w <= pic.shape[1] and 0 <= y and y + h <= pic.shape[0]
    region = pic[y:y + h, x:x + w]
    region[shape != CLEAR] = shape[shape != CLEAR]


# --------------------------------------------------------------------- bamboo

GREEN_STICK = (DARK_GREEN, GREEN)
RED_STICK = (DARK_RED, RED)


def stick(w, h, colours):
    """One bamboo stick, w wide and h high.

    Narrow sticks are a dark rim round a light core with a node across the
    middle; wide ones get a white gleam, and joints that flare out one pixel
    on each side at both ends and at the middle.
    """
    dark, light = colours
    s = np.full((h, w), CLEAR, dtype=np.uint8)
    flare = 1 if w >= 5 else 0
    s[:, flare:w - flare] = dark
    s[1:h - 1, flare + 1:w - flare - 1] = light
    if w - 2 * flare >= 5:
        s[1:h - 1, flare + 2] = WHITE
    joints = [0, h // 2, h - 1] if flare else [h // 2]
    for j in joints:
        s[j, :] = dark
        if flare:
            s[j, 0] = s[j, w - 1] = dark
    if flare:
        for j in (0, h - 1):
            s[j, 0] = s[j, w - 1] = CLEAR
        s[1, 0] = s[1, w - 1] = dark
        s[h - 2, 0] = s[h - 2, w - 1] = dark
    else:
        s[0, 0] = s[0, w - 1] = s[h - 1, 0] = s[h - 1, w - 1] = CLEAR
    return s


def slanted(s, shift):
    """Shears a stick so that its bottom lies `shift` pixels to the right of
    its top (negative: to the left)."""
    h, w = s.shape
    out = np.full((h, w + abs(shift)), CLEAR, dtype=np.uint8)
    for y in range(h):
        dx = round(shift * y / (h - 1))
        x = dx if shift >= 0 else dx - shift
        out[y, x:x + w] = s[y]
    return out


def bamboo_sticks(n, iw, ih, big):
    """(left, top, picture) of every stick of the n tile."""
    sw = 7 if big else 3
    gap = 2 if big else 1                   # between rows of sticks
    margin = 1 if big else 0                # above the top row, below the last
    step = sw + 2                           # from one column to the next

    def height(rows):
        return (ih - 2 * margin - (rows - 1) * gap) // rows

    def tops(rows, sh):
        first = (ih - rows * sh - (rows - 1) * gap) // 2
        return [first + i * (sh + gap) for i in range(rows)]

    def centres(k, pitch):
        return [iw // 2 + round((i - (k - 1) / 2) * pitch) for i in range(k)]

    def row(k, top, sh, colours=None, pitch=step, width=sw):
        colours = colours or [GREEN_STICK] * k
        return [(cx - width // 2, top, stick(width, sh, c))
                for cx, c in zip(centres(k, pitch), colours)]

    if n in (2, 4, 6):
        sh = height(2)
        return [s for top in tops(2, sh) for s in row(n // 2, top, sh)]
    if n == 3:
        sh = height(2)
        t0, t1 = tops(2, sh)
        return row(1, t0, sh) + row(2, t1, sh)
    if n == 5:
        sh = height(2)
        t0, t1 = tops(2, sh)
        middle = row(1, (t0 + t1) // 2, sh, [RED_STICK])
        return row(2, t0, sh, pitch=step * 2) + row(2, t1, sh, pitch=step * 2) + middle
    if n == 7:
        sh = height(3)
        t0, t1, t2 = tops(3, sh)
        return row(1, t0, sh, [RED_STICK]) + row(3, t1, sh) + row(3, t2, sh)
    if n == 9:
        sh = height(3)
        colours = [GREEN_STICK, RED_STICK, GREEN_STICK]
        return [s for top in tops(3, sh) for s in row(3, top, sh, colours)]
    if n == 8 and not big:
        sh = height(2)
        return [s for top in tops(2, sh) for s in row(4, top, sh, pitch=sw + 1)]
    if n == 8:
        # An M over a W: upright sticks at the sides, leaning pairs inside.
        sw, sh, lean = 5, height(2), 4
        t0, t1 = tops(2, sh)
        left, right = 1, iw - 1 - sw
        out = []
        for top, apex_up in ((t0, False), (t1, True)):
            s = stick(sw, sh, GREEN_STICK)
            out += [(left, top, s), (right, top, s)]
            inner_l = slanted(s, -lean if apex_up else lean)
            inner_r = inner_l[:, ::-1]
            out += [(iw // 2 - sw - lean, top, inner_l), (iw // 2, top, inner_r)]
        return out
    raise ValueError(n)


def bamboo(size, n):
    if n == 1:
        return sprites.picture(size, "bird")
    pic = blank(size)
    h, w = pic.shape
    for x, y, s in bamboo_sticks(n, w, h, size is not MINI):
        paste(pic, s, x, y)
    return pic


# -------------------------------------------------------------------- circles

BLUE_DOT = (DARK_BLUE, BLUE)
RED_DOT = (DARK_RED, RED)
GREEN_DOT = (DARK_GREEN, GREEN)


def disc_mask(d):
    """A filled pixel circle of diameter d."""
    c = (d - 1) / 2
    yy, xx = np.mgrid[0:d, 0:d]
    return (xx - c) ** 2 + (yy - c) ** 2 <= (d / 2) ** 2 - 0.3 * d / 4


def layers(d):
    """Ring number of each pixel of a d x d circle: 0 on the rim, growing
    inwards; -1 outside the circle."""
    out = np.full((d, d), -1, dtype=int)
    for k in range(0, (d + 1) // 2):
        m = np.zeros((d, d), dtype=bool)
        m[k:d - k, k:d - k] = disc_mask(d - 2 * k)
        out[m] = k
    return out


def paint_rings(d, colours):
    """A circle whose k-th ring from the rim has colours[k]; the last colour
    fills the middle."""
    ring = layers(d)
    s = np.full((d, d), CLEAR, dtype=np.uint8)
    for k in range(ring.max() + 1):
        s[ring == k] = colours[min(k, len(colours) - 1)]
    return s


def dot(d, colours):
    """One circle of a suit tile: dark rim, white ring, coloured core with
    a dark eye in the bigger sizes."""
    dark, light = colours
    if d <= 4:
        return paint_rings(d, [dark, light])
    if d <= 7:
        return paint_rings(d, [dark, WHITE, dark])
    if d <= 9:
        return paint_rings(d, [dark, WHITE, light, light, dark])
    return paint_rings(d, [dark, WHITE, light, light, WHITE, dark])


def big_circle(d):
    """The single circle: a wheel of coloured rings; in the large size one
    green band is broken into spokes."""
    if d < 20:
        return paint_rings(d, [DARK_BLUE, BLUE, WHITE, DARK_GREEN, WHITE, RED, YELLOW])
    s = paint_rings(d, [DARK_BLUE, BLUE, WHITE, DARK_GREEN, GREEN, GREEN,
                        DARK_GREEN, WHITE, DARK_RED, RED, RED, YELLOW, RED])
    ring = layers(d)
    c = (d - 1) / 2
    yy, xx = np.mgrid[0:d, 0:d]
    sector = np.floor((np.arctan2(yy - c, xx - c) + np.pi) / (np.pi / 8)).astype(int)
    s[np.isin(ring, (4, 5)) & (sector % 2 == 0)] = DARK_GREEN
    return s


def circles(size, n):
    pic = blank(size)
    h, w = pic.shape
    big = size is not MINI
    if n == 1:
        d = w - 1 if big else w - 2
        paste(pic, big_circle(d), (w - d) // 2, (h - d) // 2)
        return pic
    for x, y, d, colours in circle_layout(n, w, h, big):
        paste(pic, dot(d, colours), x, y)
    return pic


def circle_layout(n, w, h, big):
    """(left, top, diameter, colours) of every circle of the n tile."""
    def grid(cols, rows, d, gx, gy, top=None, height=None, colours=None):
        height = h if height is None else height
        top = 0 if top is None else top
        tw, th = cols * d + (cols - 1) * gx, rows * d + (rows - 1) * gy
        x0, y0 = (w - tw) // 2, top + (height - th) // 2
        out = []
        for r in range(rows):
            for c in range(cols):
                col = colours(r, c) if colours else BLUE_DOT
                out.append((x0 + c * (d + gx), y0 + r * (d + gy), d, col))
        return out

    if n == 2:
        d = 13 if big else 8
        return grid(1, 2, d, 0, 4 if big else 2,
                    colours=lambda r, c: (GREEN_DOT, BLUE_DOT)[r])
    if n == 3:
        # A diagonal from the top left to the bottom right.
        d = 12 if big else 6
        margin = 4 if big else 1
        span_x, span_y = w - d - 2, h - d - 2 * margin
        colours = (BLUE_DOT, RED_DOT, GREEN_DOT)
        return [(1 + span_x * i // 2, margin + span_y * i // 2, d, colours[i])
                for i in range(3)]
    if n == 4:
        d = 13 if big else 7
        return grid(2, 2, d, 2 if big else 1, 4 if big else 2,
                    colours=lambda r, c: (BLUE_DOT, GREEN_DOT)[(r + c) % 2])
    if n == 5:
        d = 11 if big else 5
        g = grid(2, 2, d, 8 if big else 5, d + 4 if big else 6,
                 colours=lambda r, c: (BLUE_DOT, GREEN_DOT)[(r + c) % 2])
        cx, cy = (w - d) // 2, (h - d) // 2
        return g + [(cx, cy, d, RED_DOT)]
    if n == 6:
        d = 12 if big else 6
        return grid(2, 3, d, 4 if big else 1, 2 if big else 1,
                    colours=lambda r, c: GREEN_DOT if r == 0 else RED_DOT)
    if n == 7:
        d = 9 if big else 4
        top_h = 19 if big else 9
        diag = [((w - d) // 2 + (i - 1) * (d + (1 if big else 0)),
                 (i * (top_h - d)) // 2 + (1 if big else 0), d, GREEN_DOT)
                for i in range(3)]
        return diag + grid(2, 2, d, 4 if big else 2, 2 if big else 1,
                           top=top_h, height=h - top_h,
                           colours=lambda r, c: RED_DOT)
    if n == 8:
        d = 9 if big else 4
        return grid(2, 4, d, 4 if big else 2, 1, colours=lambda r, c: BLUE_DOT)
    if n == 9:
        d = 10 if big else 4
        return grid(3, 3, d, 1, 3 if big else 2,
                    colours=lambda r, c: (BLUE_DOT, RED_DOT, GREEN_DOT)[r])
    raise ValueError(n)

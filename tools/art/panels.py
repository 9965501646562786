"""The two panel sheets: title, ornaments, counter labels, digits and the
background pattern, each in its fixed region of the sheet."""
import numpy as np

import faces
import glyphs
import tiles
from bmp4 import (BLACK, DARK_CYAN, DARK_RED, LIGHT_GREY, OLIVE, WHITE,
                  YELLOW)
from glyphs import GOTHIC, GOTHIC_P, MINCHO

TITLE = "みに"
REMAINING = "残り牌"
TIME = "時間"

# Regions as (left, top, width, height).
MINI_SHEET = (170, 143)
MINI_TITLE = (1, 1, 44, 121)
MINI_WINDS = (46, 1, 68, 59)
MINI_DRAGONS = (46, 61, 59, 46)
MINI_REMAINING = (115, 1, 50, 20)
MINI_TIME = (115, 24, 40, 20)
MINI_PATTERN = (115, 46, 30, 30)


def mini_digit(d):
    return (17 * d + 1, 124, 15, 18)


LARGE_SHEET = (380, 99)
LARGE_TITLE_1 = (1, 42, 48, 56)
LARGE_TITLE_2 = (50, 42, 55, 56)
LARGE_REMAINING = (106, 42, 112, 44)
LARGE_TIME = (220, 42, 90, 42)
LARGE_PATTERN = (311, 41, 68, 57)


def large_digit(d):
    return (38 * d + 1, 1, 36, 39)


def mini_regions():
    return [MINI_TITLE, MINI_WINDS, MINI_DRAGONS, MINI_REMAINING, MINI_TIME,
            MINI_PATTERN] + [mini_digit(d) for d in range(10)]


def large_regions():
    return [LARGE_TITLE_1, LARGE_TITLE_2, LARGE_REMAINING, LARGE_TIME,
            LARGE_PATTERN] + [large_digit(d) for d in range(10)]


def view(sheet, region):
    x, y, w, h = region
    return sheet[y:y + h, x:x + w]


def shadowed(canvas, mask, colour, shadow, box, offset=1):
    """Centres mask in box with a drop shadow `offset` pixels down-right."""
    bx, by, bw, bh = box
    h, w = mask.shape
    x, y = bx + (bw - w - offset) // 2, by + (bh - h - offset) // 2
    glyphs.stamp(canvas, mask, x + offset, y + offset, shadow)
    glyphs.stamp(canvas, mask, x, y, colour)


def text_row(text, max_w, max_h, font=GOTHIC, bold=0, heavy=0):
    """text in one line at the largest size that fits."""
    return glyphs.fit_glyph(text, max_w, max_h, font, bold, heavy)


def cascade(region_w, region_h, pictures):
    """Mini tiles laid in a diagonal, each drawn in full over the last."""
    size = tiles.MINI
    out = np.full((region_h, region_w), WHITE, dtype=np.uint8)
    n = len(pictures)
    for i, pic in enumerate(pictures):
        x = i * (region_w - size.cell_w) // (n - 1)
        y = i * (region_h - size.cell_h) // (n - 1)
        tiles.draw_tile(out, size, tiles.make_cell(size, pic), x, y)
    return out


def mini_panel():
    w, h = MINI_SHEET
    sheet = np.full((h, w), WHITE, dtype=np.uint8)
    for x, y, rw, rh in mini_regions():          # black frame round each
        sheet[y - 1:y + rh + 1, x - 1:x + rw + 1] = BLACK
        sheet[y:y + rh, x:x + rw] = WHITE

    title = view(sheet, MINI_TITLE)
    for i, ch in enumerate(TITLE):
        mask = glyphs.fit_glyph(ch, 41, 56, MINCHO, bold=2, heavy=1)
        shadowed(title, mask, OLIVE, LIGHT_GREY, (0, 2 + i * 60, 44, 58), 2)

    pics = faces.all_faces(tiles.MINI)
    view(sheet, MINI_WINDS)[:] = cascade(68, 59, pics[27:31])
    view(sheet, MINI_DRAGONS)[:] = cascade(59, 46, pics[31:34])

    for region, text in ((MINI_REMAINING, REMAINING), (MINI_TIME, TIME)):
        x, y, rw, rh = region
        mask = text_row(text, rw - 2, rh - 2)
        glyphs.stamp_centred(view(sheet, region), mask, DARK_RED, box=(0, 0, rw, rh))

    for d in range(10):
        cell = view(sheet, mini_digit(d))
        cell[:] = OLIVE
        cell[1:-1, 1:-1] = WHITE
        mask = glyphs.fit_glyph(str(d), 11, 14, GOTHIC_P, bold=1)
        glyphs.stamp_centred(cell, mask, DARK_RED, box=(0, 0, 15, 18))
    return sheet


def large_panel():
    w, h = LARGE_SHEET
    sheet = np.full((h, w), BLACK, dtype=np.uint8)
    for region in large_regions():
        view(sheet, region)[:] = DARK_CYAN

    for d in range(10):
        x, y, rw, rh = large_digit(d)
        mask = glyphs.fit_glyph(str(d), rw - 10, rh - 6, GOTHIC_P, bold=3, heavy=2)
        shadowed(view(sheet, large_digit(d)), mask, YELLOW, BLACK, (0, 0, rw, rh), 2)

    for region, ch in ((LARGE_TITLE_1, TITLE[0]), (LARGE_TITLE_2, TITLE[1])):
        x, y, rw, rh = region
        mask = glyphs.fit_glyph(ch, rw - 6, rh - 6, MINCHO, bold=3, heavy=2)
        shadowed(view(sheet, region), mask, YELLOW, BLACK, (0, 0, rw, rh), 2)

    for region, text in ((LARGE_REMAINING, REMAINING), (LARGE_TIME, TIME)):
        x, y, rw, rh = region
        mask = text_row(text, rw - 6, rh - 8, bold=2, heavy=1)
        shadowed(view(sheet, region), mask, YELLOW, BLACK, (0, 0, rw, rh), 2)
    return sheet

"""The pictures on the 36 tile faces, for both tile sizes.

Each picture is an array of palette indices the size of the face surface
inside its outline (15 x 20 for mini tiles, 32 x 42 for large), on white.
"""
import glyphs
import sprites
import suits
from bmp4 import BLACK, BLUE, DARK_BLUE, DARK_GREEN, RED, WHITE
from glyphs import stamp, stamp_centred
from tiles import MINI, blank_picture as blank

NUMERALS = "一二三四五六七八九"
WINDS = "東南西北"


# ---------------------------------------------------------------- characters

def numeral(size, n):
    """The kanji numeral in black: the largest size that fits the band."""
    if size is MINI:
        return glyphs.fit_glyph(NUMERALS[n - 1], 11, 8, start=10)
    return glyphs.fit_glyph(NUMERALS[n - 1], 24, 16, bold=1, heavy=1, start=19)


def character(size, n):
    """Characters suit: the numeral over a red 萬."""
    pic = blank(size)
    h, w = pic.shape
    if size is MINI:
        num_band, man_band = (1, 8), (10, 9)
        man = sprites.parse(sprites.MAN_MINI) == RED
    else:
        num_band, man_band = (1, 16), (18, 23)
        man = glyphs.fit_glyph("萬", 30, 23, bold=1)
    num = numeral(size, n)
    # Numerals stand on a common base line; 一 floats in the middle.
    top, height = num_band
    y = top + height - num.shape[0]
    if n == 1:
        y = top + (height - 1) // 2
    stamp(pic, num, (w - num.shape[1]) // 2, y, BLACK)
    stamp_centred(pic, man, RED, box=(0, man_band[0], w, man_band[1]))
    return pic


# -------------------------------------------------------------------- honours

def honour(size, text, colour, heavy=1):
    """A wind or dragon: one character filling the face."""
    pic = blank(size)
    h, w = pic.shape
    if size is MINI:
        mask = glyphs.glyph(text, 13)
    else:
        mask = glyphs.fit_glyph(text, w - 2, h - 8, bold=1, heavy=heavy)
    stamp_centred(pic, mask, colour, box=(0, 0, w, h))
    return pic


def white_dragon(size):
    """A blank face with a thin blue frame (double in the large size)."""
    pic = blank(size)
    h, w = pic.shape
    m = 2 if size is MINI else 3
    pic[m:h - m, m:w - m] = BLUE
    pic[m + 1:h - m - 1, m + 1:w - m - 1] = WHITE
    if size is not MINI:
        pic[m + 2:h - m - 2, m + 2:w - m - 2] = DARK_BLUE
        pic[m + 3:h - m - 3, m + 3:w - m - 3] = WHITE
    return pic


# ------------------------------------------------------------------ all faces

def all_faces(size):
    """The 36 face pictures in sheet order."""
    pics = []
    pics += [character(size, n) for n in range(1, 10)]
    pics += [suits.bamboo(size, n) for n in range(1, 10)]
    pics += [suits.circles(size, n) for n in range(1, 10)]
    pics += [honour(size, c, BLACK) for c in WINDS]
    pics += [white_dragon(size),
             honour(size, "發", DARK_GREEN, heavy=0),
             honour(size, "中", RED),
             sprites.picture(size, "ornament"),
             sprites.picture(size, "flower")]
    return pics

"""Hand-drawn pixel pictures: the bird of bamboo 1, the flower tile and the
ornament tile, at both tile sizes.  One character per pixel:

  K black  r dark red   g dark green  y olive   b dark blue  p purple
  c dark cyan  l light grey  d dark grey  R red  G green  Y yellow
  B blue  M magenta  C cyan  W white  . the face's ground (white)
"""
import numpy as np

from bmp4 import DARK_BLUE, DARK_GREEN, DARK_RED, OLIVE, WHITE
from tiles import blank_picture

KEY = {ch: i for i, ch in enumerate("KrgybpcldRGYBMCW")}
KEY["."] = WHITE


def parse(rows):
    width = len(rows[0])
    assert all(len(r) == width for r in rows), "ragged pixel picture"
    return np.array([[KEY[ch] for ch in r] for r in rows], dtype=np.uint8)


def mirrored(quarter):
    """Completes a picture from its top-left quarter; the quarter's last
    column and last row are the centre lines."""
    q = parse(quarter)
    top = np.hstack([q, q[:, -2::-1]])
    return np.vstack([top, top[-2::-1]])


def centred(art, size):
    pic = blank_picture(size)
    h, w = pic.shape
    ah, aw = art.shape
    assert aw <= w and ah <= h, "picture larger than the face"
    x, y = (w - aw) // 2, (h - ah) // 2
    pic[y:y + ah, x:x + aw] = art
    return pic


BIRD_MINI = [
    "....RR.........",
    "...RRg.........",
    "..gGGGg........",
    ".gGKGGGg.......",
    "YYGGGGGg.......",
    ".YgGGGGg.......",
    "..gGGGGGg......",
    "..gGGBBBGg.....",
    ".gGGBBBBBGg....",
    ".gGBBbBBBBGg...",
    ".gGBBBbBBBGGg..",
    "..gGBBBbBBGRRg.",
    "...gGGBBGRRgRg.",
    "....ggggRRgRRg.",
    ".....Y.Y.gRRgRg",
    ".....Y.Y..gRRRg",
    "....YY.YY..gRRg",
    "............gRg",
    ".............g.",
]

FLOWER_MINI = [
    "......RRR......",
    ".RRR.RRYRR.RRR.",
    "RRYRR.RRR.RRYRR",
    ".RRR...g...RRR.",
    "..g....g....g..",
    "...g...g...g...",
    ".GG.g..g..g.GG.",
    "GGGG.g.g.g.GGGG",
    ".GGGG.ggg.GGGG.",
    "...GGGgggGGG...",
    ".......g.......",
    ".bbbbbbbbbbbbb.",
    ".bBBBBBBBBBBBb.",
    "..bBWBBBBBWBb..",
    "..bBBWBBBWBBb..",
    "..bBBBWBWBBBb..",
    "...bBBBWBBBb...",
    "...bbbbbbbbb...",
]

ORNAMENT_MINI = [   # top-left quarter, centre lines last
    ".......g",
    "......gG",
    ".....gGr",
    "....gGrR",
    "...gGrRR",
    "..gG.rRR",
    ".gG...rR",
    "gG.g...r",
    "G.gGg..R",
    ".gGGGgRY",
]

MAN_MINI = [        # the 萬 mark of the mini character tiles
    "..R.....R..",
    "RRRRRRRRRRR",
    "..R.....R..",
    ".RRRRRRRRR.",
    ".R...R...R.",
    ".RRRRRRRRR.",
    "R....R....R",
    "R..RRRRR..R",
    "R.R.....RRR",
]


def picture(size, name):
    mini = size.name == "mini"
    if name == "bird":
        art = parse(BIRD_MINI)
    elif name == "flower":
        art = parse(FLOWER_MINI)
    else:
        art = mirrored(ORNAMENT_MINI)
    if not mini:
        art = thin_outlines(scale2x(art))
    return centred(art, size)


def scale2x(art):
    """Doubles a pixel picture with the Scale2x rule, which keeps edges
    crisp and rounds off staircase diagonals instead of making blocks."""
    p = np.pad(art, 1, mode="edge")
    e = p[1:-1, 1:-1]
    b, h = p[:-2, 1:-1], p[2:, 1:-1]      # above, below
    d, f = p[1:-1, :-2], p[1:-1, 2:]      # left, right
    out = np.empty((art.shape[0] * 2, art.shape[1] * 2), dtype=art.dtype)
    keep = (b == h) | (d == f)
    out[0::2, 0::2] = np.where(~keep & (d == b), d, e)
    out[0::2, 1::2] = np.where(~keep & (b == f), f, e)
    out[1::2, 0::2] = np.where(~keep & (d == h), d, e)
    out[1::2, 1::2] = np.where(~keep & (h == f), f, e)
    return out


OUTLINE_COLOURS = (DARK_GREEN, DARK_RED, DARK_BLUE, OLIVE)


def _neighbours(a, fill):
    """The four neighbours of every pixel: above, below, left, right."""
    p = np.pad(a, 1, constant_values=fill)
    return [p[:-2, 1:-1], p[2:, 1:-1], p[1:-1, :-2], p[1:-1, 2:]]


def thin_outlines(art):
    """After doubling, dark outlines are two pixels thick.  Keeps the outer
    pixel (the one against the white ground) and gives the inner one the
    colour of the shape it borders."""
    ground = art == WHITE
    rim = np.zeros(art.shape, dtype=bool)
    for n in _neighbours(ground, True):
        rim |= n
    rim &= ~ground
    outline = np.isin(art, OUTLINE_COLOURS)
    inner = outline & ~rim
    # Only the inner half of a doubled outline: next to the same colour on
    # the rim.
    next_to_rim = np.zeros(art.shape, dtype=bool)
    for colour, on_rim in zip(_neighbours(art, WHITE), _neighbours(rim, False)):
        next_to_rim |= (colour == art) & on_rim
    inner &= next_to_rim
    out = art.copy()
    fill_found = np.zeros(art.shape, dtype=bool)
    for colour in _neighbours(art, WHITE):
        usable = inner & ~fill_found & ~np.isin(colour, OUTLINE_COLOURS + (WHITE,))
        out[usable] = colour[usable]
        fill_found |= usable
    return out

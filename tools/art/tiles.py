"""Anatomy of a tile cell and assembly of the tile sheets.

A cell is the tile's top face (face_w x face_h at the cell's top-left, a
1-pixel outline round the surface) plus its thickness: the face outline
pushed `edge` pixels right and down.  The cell pixels that the tile does not
cover are the two corner triangles and the bottom-right pixel; they are black
in every cell and white in the edge mask, so that drawing the mask with AND
and then the cell with OR leaves the background there untouched.
"""
from collections import namedtuple

import numpy as np

from bmp4 import BLACK, LIGHT_GREY, RED, WHITE, YELLOW

Size = namedtuple("Size", "name cell_w cell_h face_w face_h edge mask_at")

MINI = Size("mini", 20, 25, 17, 22, 3, (20, 200))
LARGE = Size("large", 40, 50, 34, 44, 6, (0, 400))

COLUMNS, ROWS = 9, 8
FACES = 36

FACE_LINE = BLACK
HIGHLIGHT_LINE = RED
HIGHLIGHT_SURFACE = LIGHT_GREY
SIDE_LINE = BLACK


def side_layers(size):
    """Colour of each layer of the sides, from the face outwards: a white
    rim of the face material over the yellow back (the outermost layer is
    the dark outline)."""
    layers = size.edge - 1
    white = max(1, round(layers * 0.4))
    return [WHITE] * white + [YELLOW] * (layers - white)


def depth_map(size):
    """For each cell pixel, how far the face had to be pushed to cover it.

    0 on the face, 1..edge on the sides, -1 where the tile is not.
    """
    h, w = size.cell_h, size.cell_w
    depth = np.full((h, w), -1, dtype=int)
    for k in range(size.edge, -1, -1):
        depth[k:k + size.face_h, k:k + size.face_w] = k
    depth[h - 1, w - 1] = -1  # the rounded far corner
    return depth


def tile_area(size):
    """True where the tile is drawn (face and sides)."""
    return depth_map(size) >= 0


def corner_pixels(size):
    """The cell pixels outside the tile, spelled out row by row."""
    h, w, e = size.cell_h, size.cell_w, size.edge
    corners = np.zeros((h, w), dtype=bool)
    for r in range(e):
        corners[r, w - (e - r):] = True          # top-right: e, e-1, .. 1
        corners[h - 1 - r, :e - r] = True        # bottom-left, mirrored
    corners[h - 1, w - 1] = True
    return corners


def edge_mask(size):
    """The mask cell: black over the tile, white in the corners."""
    return np.where(tile_area(size), BLACK, WHITE).astype(np.uint8)


def _boundary(area):
    """Pixels of area with a 4-neighbour outside it (or outside the cell)."""
    padded = np.pad(area, 1, constant_values=False)
    inner = (padded[:-2, 1:-1] & padded[2:, 1:-1] &
             padded[1:-1, :-2] & padded[1:-1, 2:])
    return area & ~inner


def blank_cell(size, highlighted=False):
    """A cell with an empty face: outline, surface and sides."""
    depth = depth_map(size)
    cell = np.full(depth.shape, BLACK, dtype=np.uint8)
    for k, colour in enumerate(side_layers(size), start=1):
        cell[depth == k] = colour
    cell[_boundary(depth >= 0) & (depth > 0)] = SIDE_LINE
    fw, fh = size.face_w, size.face_h
    cell[0:fh, 0:fw] = HIGHLIGHT_LINE if highlighted else FACE_LINE
    cell[1:fh - 1, 1:fw - 1] = HIGHLIGHT_SURFACE if highlighted else WHITE
    return cell


def interior_size(size):
    """Width and height of the face surface inside its outline."""
    return size.face_w - 2, size.face_h - 2


def blank_picture(size):
    """An empty face picture: white, the size of the surface."""
    w, h = interior_size(size)
    return np.full((h, w), WHITE, dtype=np.uint8)


def make_cell(size, picture, highlighted=False):
    """A full cell with `picture` (interior-sized, white ground) on its face.

    Highlighting turns the white ground grey and the outline red; the
    picture's other colours stay.
    """
    cell = blank_cell(size, highlighted)
    art = picture.copy()
    if highlighted:
        art[art == WHITE] = HIGHLIGHT_SURFACE
    iw, ih = interior_size(size)
    cell[1:1 + ih, 1:1 + iw] = art
    return cell


def tile_sheet(size, pictures):
    """The whole tile sheet from the 36 face pictures."""
    w, h = size.cell_w * COLUMNS, size.cell_h * (ROWS + 1)
    sheet = np.full((h, w), WHITE if size is MINI else BLACK, dtype=np.uint8)
    for code in range(FACES * 2):
        face, lit = code % FACES, code >= FACES
        x, y = size.cell_w * (code % COLUMNS), size.cell_h * (code // COLUMNS)
        sheet[y:y + size.cell_h, x:x + size.cell_w] = make_cell(size, pictures[face], lit)
    mx, my = size.mask_at
    sheet[my:my + size.cell_h, mx:mx + size.cell_w] = edge_mask(size)
    return sheet


def draw_tile(dest, size, cell, x, y):
    """Draws a full cell onto dest at (x, y) the way the game does: AND the
    mask, then OR the cell (on palette indices, which for these 16 colours
    gives the same result as on the RGB values)."""
    mask = edge_mask(size)
    h, w = mask.shape
    region = dest[y:y + h, x:x + w]
    region &= mask
    region |= cell

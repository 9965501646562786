#!/usr/bin/python3
"""Draws every bitmap the game loads and writes them under resources/.

Run from anywhere with Debian's python (python3-pil, python3-numpy and the
IPA fonts installed):

    /usr/bin/python3 tools/art/make_art.py

The output is the same, byte for byte, on every run.  After writing, the
files are read back and checked: sheet sizes, the BMP format and palette,
and the tile corner / edge-mask convention.
"""
import io
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True    # keep the source tree clean

import bmp4       # noqa: E402
import faces      # noqa: E402
import icons      # noqa: E402
import panels     # noqa: E402
import tiles      # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
RESOURCES = os.path.join(ROOT, "resources")
ICONS = os.path.join(RESOURCES, "icons")

SHEETS = {  # file name: (width, height)
    "panel_mini.bmp": (170, 143),
    "tiles_mini.bmp": (180, 225),
    "panel_large.bmp": (380, 99),
    "tiles_large.bmp": (360, 450),
}


def build_sheets():
    return {
        "panel_mini.bmp": panels.mini_panel(),
        "tiles_mini.bmp": tiles.tile_sheet(tiles.MINI, faces.all_faces(tiles.MINI)),
        "panel_large.bmp": panels.large_panel(),
        "tiles_large.bmp": tiles.tile_sheet(tiles.LARGE, faces.all_faces(tiles.LARGE)),
    }


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("%7d  %s" % (len(data), os.path.relpath(path, ROOT)))


def check_tile_sheet(pixels, size):
    corners = tiles.corner_pixels(size)
    e = size.edge
    # The corner set as the game relies on it, counted out.
    assert corners.sum() == e * (e + 1) + 1
    assert corners[0, -e:].all() and not corners[0, -e - 1]
    assert corners[-1, :e].all() and not corners[-1, e]
    assert corners[-1, -1] and not corners[-2, -2]
    assert (corners == ~tiles.tile_area(size)).all()

    mx, my = size.mask_at
    mask = pixels[my:my + size.cell_h, mx:mx + size.cell_w]
    assert (mask[corners] == bmp4.WHITE).all() and (mask[~corners] == bmp4.BLACK).all()
    for code in range(72):
        x, y = size.cell_w * (code % 9), size.cell_h * (code // 9)
        cell = pixels[y:y + size.cell_h, x:x + size.cell_w]
        assert (cell[corners] == bmp4.BLACK).all(), "corner not black in cell %d" % code
        face = cell[:size.face_h, :size.face_w]
        line = bmp4.RED if code >= 36 else tiles.FACE_LINE
        ground = tiles.HIGHLIGHT_SURFACE if code >= 36 else bmp4.WHITE
        border = np.concatenate([face[0], face[-1], face[:, 0], face[:, -1]])
        assert (border == line).all(), "face outline of cell %d" % code
        assert (face[1:-1, 1:-1] == ground).sum() > 0
    # Highlighted faces are the plain ones with the ground and outline
    # recoloured, nothing else.
    for code in range(36):
        x, y = size.cell_w * (code % 9), size.cell_h * (code // 9)
        plain = pixels[y + 1:y + size.face_h - 1, x + 1:x + size.face_w - 1]
        lit = pixels[y + 4 * size.cell_h + 1:y + 4 * size.cell_h + size.face_h - 1,
                     x + 1:x + size.face_w - 1]
        assert (np.where(plain == bmp4.WHITE, tiles.HIGHLIGHT_SURFACE, plain) == lit).all()
    # Distinct faces.
    seen = set()
    for code in range(36):
        x, y = size.cell_w * (code % 9), size.cell_h * (code // 9)
        seen.add(pixels[y:y + size.cell_h, x:x + size.cell_w].tobytes())
    assert len(seen) == 36, "two faces look the same"


def check(files, sheets):
    for name, (w, h) in SHEETS.items():
        pixels, colours = bmp4.decode_bmp4(files[name])
        assert pixels.shape == (h, w), name
        assert colours == bmp4.PALETTE, name
        # A second opinion from PIL's own BMP reader.
        with Image.open(io.BytesIO(files[name])) as im:
            assert im.format == "BMP" and im.mode == "P" and im.size == (w, h)
            assert (np.array(im) == sheets[name]).all(), name
            assert im.getpalette()[:48] == [c for rgb in bmp4.PALETTE for c in rgb]
    mini, _ = bmp4.decode_bmp4(files["tiles_mini.bmp"])
    large, _ = bmp4.decode_bmp4(files["tiles_large.bmp"])
    check_tile_sheet(mini, tiles.MINI)
    check_tile_sheet(large, tiles.LARGE)
    assert (mini[200:225, 0:20] == bmp4.WHITE).all(), "spare mini cell not blank"

    panel, _ = bmp4.decode_bmp4(files["panel_mini.bmp"])
    assert (panel[46:76, 115:145] == bmp4.WHITE).all()
    panel, _ = bmp4.decode_bmp4(files["panel_large.bmp"])
    assert (panel[41:98, 311:379] == bmp4.DARK_CYAN).all()


def main():
    os.makedirs(ICONS, exist_ok=True)
    sheets = build_sheets()
    files = {name: bmp4.encode_bmp4(pixels) for name, pixels in sheets.items()}
    check(files, sheets)
    for name, data in files.items():
        write(os.path.join(RESOURCES, name), data)

    for side in icons.PNG_SIZES:
        write(os.path.join(ICONS, "tovrin-mini-%d.png" % side),
              icons.encode_png(icons.icon_pixels(side)))
    for side in icons.APP_SIZES:
        write(os.path.join(ICONS, "tovrin-mini-app-%d.png" % side),
              icons.encode_png(icons.app_icon_pixels(side)))
    write(os.path.join(ICONS, "icon_large.ico"),
          icons.encode_ico([icons.icon_pixels(32), icons.icon_pixels(48)]))
    write(os.path.join(ICONS, "icon_small.ico"),
          icons.encode_ico([icons.icon_pixels(16)]))


if __name__ == "__main__":
    main()

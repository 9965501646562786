"""The program icon: a red-dragon tile, as PNG files and Windows .ico files,
and the web app's square icons: the tile on the large board's ground."""
import io
import struct

import numpy as np
from PIL import Image

import glyphs
import tiles
from bmp4 import DARK_CYAN, PALETTE, RED, WHITE, to_rgb

PNG_SIZES = (16, 32, 48, 64, 128)
APP_SIZES = (192, 512)
# The web app's theme and background colour: the large board's ground.
APP_GROUND = PALETTE[DARK_CYAN]


def icon_pixels(side):
    """RGBA array side x side: the tile centred on a clear ground."""
    if side > 64:
        small = icon_pixels(side // 2)          # keep the pixel-art look
        return small.repeat(2, axis=0).repeat(2, axis=1)
    edge = max(2, round(side / 11))
    face_h = side - edge
    face_w = round(face_h * 0.8) | 1            # odd: room for a centre stroke
    size = tiles.Size("icon", face_w + edge, face_h + edge, face_w, face_h, edge, None)
    iw, ih = tiles.interior_size(size)
    picture = np.full((ih, iw), WHITE, dtype=np.uint8)
    bold = 0 if side < 32 else side // 24
    room = 0 if side < 32 else side // 8
    mark = glyphs.fit_glyph("中", iw - room, ih - room, bold=bold, heavy=bold)
    glyphs.stamp_centred(picture, mark, RED, box=(0, 0, iw, ih))
    cell = tiles.make_cell(size, picture)

    rgba = np.zeros((side, side, 4), dtype=np.uint8)
    x, y = (side - size.cell_w) // 2, (side - size.cell_h) // 2
    area = tiles.tile_area(size)
    block = rgba[y:y + size.cell_h, x:x + size.cell_w]
    block[..., :3] = to_rgb(cell)
    block[..., 3] = np.where(area, 255, 0)
    block[~area] = 0
    return rgba


def app_icon_pixels(side):
    """RGBA array side x side, opaque: the tile at three quarters of the side
    on the ground colour, so that launchers that cut the corners keep it."""
    inner = side * 3 // 4
    rgba = np.zeros((side, side, 4), dtype=np.uint8)
    rgba[..., :3] = APP_GROUND
    rgba[..., 3] = 255
    tile = icon_pixels(inner)
    at = (side - inner) // 2
    block = rgba[at:at + inner, at:at + inner]
    shown = tile[..., 3] == 255
    block[shown] = tile[shown]
    return rgba


def encode_png(rgba):
    out = io.BytesIO()
    Image.fromarray(rgba, "RGBA").save(out, format="PNG", optimize=False)
    return out.getvalue()


def _ico_image(rgba):
    """One icon image in the BMP form: header, BGRA rows bottom-up, then
    the 1-bit AND mask (1 = transparent), rows padded to 32 bits."""
    h, w, _ = rgba.shape
    bgra = rgba[::-1][..., [2, 1, 0, 3]].tobytes()
    mask_stride = ((w + 31) // 32) * 4
    clear = (rgba[::-1, :, 3] == 0)
    mask_rows = np.zeros((h, mask_stride * 8), dtype=np.uint8)
    mask_rows[:, :w] = clear
    mask = np.packbits(mask_rows, axis=1).tobytes()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                         len(bgra) + len(mask), 0, 0, 0, 0)
    return header + bgra + mask


def encode_ico(images):
    """An .ico file holding the given RGBA arrays."""
    count = len(images)
    blobs = [_ico_image(im) for im in images]
    out = struct.pack("<HHH", 0, 1, count)
    offset = 6 + 16 * count
    for im, blob in zip(images, blobs):
        h, w, _ = im.shape
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)

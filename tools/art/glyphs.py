"""One-bit glyphs from the IPA fonts, and helpers to place bit masks.

Glyphs are rendered by FreeType without anti-aliasing (fontmode "1"), so the
result is a clean bit pattern that is then coloured with a palette index.
"""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
GOTHIC_P = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"  # plain 0
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"

_fonts = {}


def _font(path, size):
    key = (path, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, size)
    return _fonts[key]


def trim(mask):
    """Crops a bool mask to the bounding box of its set pixels."""
    ys, xs = np.nonzero(mask)
    if len(ys) == 0:
        return mask[:0, :0]
    return mask[ys.min():ys.max() + 1, xs.min():xs.max() + 1]


def glyph(text, size, font=GOTHIC, bold=0, heavy=0):
    """Bool mask of `text` at `size` pixels, cropped to its ink.

    bold widens every stroke by that many pixels to the right, heavy
    thickens it downwards.
    """
    f = _font(font, size)
    im = Image.new("1", (size * (len(text) + 1) + 8, size * 2 + 8), 0)
    draw = ImageDraw.Draw(im)
    draw.fontmode = "1"
    draw.text((4, 4), text, font=f, fill=1)
    mask = np.array(im, dtype=bool)
    mask = embolden(mask, bold, heavy)
    return trim(mask)


def embolden(mask, amount, down=0):
    """Smears a mask `amount` pixels right and `down` pixels down."""
    out = mask.copy()
    for dx in range(1, amount + 1):
        out[:, dx:] |= mask[:, :-dx]
    base = out.copy()
    for dy in range(1, down + 1):
        out[dy:, :] |= base[:-dy, :]
    return out


def fit_glyph(text, max_w, max_h, font=GOTHIC, bold=0, heavy=0, start=None):
    """The largest rendering of `text` whose ink fits in max_w x max_h."""
    size = start or max_h + 4
    while size > 4:
        mask = glyph(text, size, font, bold, heavy)
        if mask.shape[0] <= max_h and mask.shape[1] <= max_w:
            return mask
        size -= 1
    raise ValueError("cannot fit %r in %dx%d" % (text, max_w, max_h))


def stamp(canvas, mask, x, y, colour):
    """Paints `colour` into canvas where mask is set, mask's corner at (x, y)."""
    h, w = mask.shape
    canvas[y:y + h, x:x + w][mask] = colour


def stamp_centred(canvas, mask, colour, cx=None, cy=None, box=None):
    """Centres mask on (cx, cy) or in box (x, y, w, h); returns its corner."""
    h, w = mask.shape
    if box is not None:
        bx, by, bw, bh = box
        x, y = bx + (bw - w) // 2, by + (bh - h) // 2
    else:
        x, y = cx - w // 2, cy - h // 2
    stamp(canvas, mask, x, y, colour)
    return x, y


def outline_of(mask, diagonal=True):
    """Pixels just outside mask (a 1-pixel halo), same shape as mask + 2."""
    h, w = mask.shape
    grown = np.zeros((h + 2, w + 2), dtype=bool)
    inner = np.zeros((h + 2, w + 2), dtype=bool)
    inner[1:-1, 1:-1] = mask
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            if not diagonal and dx and dy:
                continue
            grown[1 + dy:h + 1 + dy, 1 + dx:w + 1 + dx] |= mask
    return grown & ~inner

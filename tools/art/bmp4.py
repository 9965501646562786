"""The 16-colour palette and a writer for 4-bit uncompressed Windows BMP files.

Images are numpy arrays of palette indices, shape (height, width), row 0 at
the top.  The writer stores them bottom-up as Windows expects.
"""
import struct

import numpy as np

# Index order of the standard 16-colour VGA palette, as (R, G, B).
PALETTE = (
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 dark red
    (0, 128, 0),      # 2 dark green
    (128, 128, 0),    # 3 olive
    (0, 0, 128),      # 4 dark blue
    (128, 0, 128),    # 5 purple
    (0, 128, 128),    # 6 dark cyan
    (192, 192, 192),  # 7 light grey
    (128, 128, 128),  # 8 dark grey
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 green
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 magenta
    (0, 255, 255),    # 14 cyan
    (255, 255, 255),  # 15 white
)

BLACK, DARK_RED, DARK_GREEN, OLIVE, DARK_BLUE, PURPLE, DARK_CYAN, LIGHT_GREY = range(8)
DARK_GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40
COLOUR_TABLE_SIZE = 16 * 4


def row_stride(width):
    """Bytes per stored row: two pixels a byte, padded to a multiple of 4."""
    return ((width * 4 + 31) // 32) * 4


def encode_bmp4(pixels):
    """Returns the bytes of a 4 bpp BI_RGB bottom-up BMP holding `pixels`."""
    pixels = np.asarray(pixels)
    height, width = pixels.shape
    if pixels.min() < 0 or pixels.max() > 15:
        raise ValueError("pixel value outside the 16-colour palette")
    stride = row_stride(width)
    image_size = stride * height
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + COLOUR_TABLE_SIZE

    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        INFO_HEADER_SIZE, width, height,  # positive height: bottom-up
        1, 4,                             # planes, bits per pixel
        0,                                # BI_RGB
        image_size,
        2835, 2835,                       # 72 dpi
        16, 16)                           # colours used, colours important
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)

    padded = np.zeros((height, stride * 2), dtype=np.uint8)
    padded[:, :width] = pixels
    packed = (padded[:, 0::2] << 4) | padded[:, 1::2]
    body = packed[::-1].astype(np.uint8).tobytes()
    return file_header + info_header + colour_table + body


def decode_bmp4(data):
    """Reads back a file written by encode_bmp4 (used by the self-check)."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, width, height, planes, bpp, compression, image_size,
     _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", data, FILE_HEADER_SIZE)
    if (magic, file_size, hsize, planes, bpp, compression, used) != \
            (b"BM", len(data), INFO_HEADER_SIZE, 1, 4, 0, 16):
        raise ValueError("not a 4 bpp BI_RGB BMP with 16 colours")
    if height <= 0 or image_size != row_stride(width) * height:
        raise ValueError("bad image size or top-down BMP")
    table = data[FILE_HEADER_SIZE + INFO_HEADER_SIZE:offset]
    colours = tuple(tuple(table[i * 4:i * 4 + 3][::-1]) for i in range(16))
    stride = row_stride(width)
    raw = np.frombuffer(data, dtype=np.uint8, count=image_size, offset=offset)
    raw = raw.reshape(height, stride)[::-1]
    pixels = np.empty((height, stride * 2), dtype=np.uint8)
    pixels[:, 0::2] = raw >> 4
    pixels[:, 1::2] = raw & 15
    return pixels[:, :width], colours


def to_rgb(pixels):
    """Palette indices to an RGB array, for previews and icons."""
    return np.array(PALETTE, dtype=np.uint8)[np.asarray(pixels)]

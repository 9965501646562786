"""PNG files as pixels, through ImageMagick: reading them as RGB bytes,
cropping and scaling them, and comparing what the screen shows with an
expected frame outside masked rectangles."""

import subprocess

from checks import wait_until

IMAGEMAGICK_LIMIT = 20.0


def convert(*args, stdout=subprocess.DEVNULL):
    return subprocess.run(["convert"] + [str(a) for a in args], check=True,
                          timeout=IMAGEMAGICK_LIMIT, stdout=stdout).stdout


def png_pixels(path):
    """The image's pixels as RGB bytes, 8 bits a channel, row after row."""
    return convert(path, "-depth", "8", "rgb:-", stdout=subprocess.PIPE)


def crop(png, region, out):
    x, y, w, h = region
    convert(png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", out)
    return out


def scaled(png, factor, out):
    """The image with every pixel repeated factor times each way."""
    convert(png, "-scale", "%d%%" % (100 * factor), out)
    return out


def differences(shown, expected, width, height, masks=()):
    """How many pixels of two width x height RGB images differ outside the
    masked rectangles (x, y, w, h), and the first of them as (x, y, shown,
    expected); images of another size differ in every pixel, with no first."""
    if len(shown) != width * height * 3 or len(expected) != width * height * 3:
        return width * height, None
    count = 0
    first = None
    for y in range(height):
        row = y * width * 3
        if shown[row:row + width * 3] == expected[row:row + width * 3]:
            continue
        for x in range(width):
            at = row + x * 3
            if shown[at:at + 3] == expected[at:at + 3]:
                continue
            if any(mx <= x < mx + mw and my <= y < my + mh for mx, my, mw, mh in masks):
                continue
            count += 1
            if first is None:
                first = (x, y, tuple(shown[at:at + 3]), tuple(expected[at:at + 3]))
    return count, first


def describe(result, width, height):
    count, first = result
    if first is None:
        return "a picture of another size than %dx%d" % (width, height)
    return "%d pixels differ; first at %d,%d: shown %s, expected %s" % ((count,) + first)


def wait_for_pixels(grab, expected_png, size, masks=(), timeout=10.0, step=0.1):
    """Waits until grab() (RGB bytes of a size[0] x size[1] picture) shows
    what the expected PNG shows, outside the masked rectangles."""
    width, height = size
    expected = png_pixels(expected_png)
    last = [None]

    def matches():
        last[0] = differences(grab(), expected, width, height, masks)
        return last[0][0] == 0

    wait_until(matches, lambda: "the pixels of %s: %s" % (expected_png,
                                                           describe(last[0], width, height)),
               timeout, step)

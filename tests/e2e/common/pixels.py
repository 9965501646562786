"""What the screen shows against an expected PNG, outside masked rectangles."""

import subprocess

from checks import wait_until
from game_facts import LAYOUTS


def convert(*args, stdout=subprocess.DEVNULL):
    return subprocess.run(["convert", *map(str, args)], check=True, timeout=20,
                          stdout=stdout).stdout


def png_pixels(path):
    """RGB bytes, 8 bits a channel, row after row."""
    return convert(path, "-depth", "8", "rgb:-", stdout=subprocess.PIPE)


def scaled(png, factor, out):
    convert(png, "-scale", "%d%%" % (100 * factor), out)
    return out


def differences(shown, expected, width, height, masks=()):
    """How many pixels differ outside the masks (x, y, w, h), and the first as (x, y,
    shown, expected); images of another size differ in every pixel, with no first."""
    if len(shown) != width * height * 3 or len(expected) != width * height * 3:
        return width * height, None
    row = 3 * width
    wrong = [(x, y, tuple(shown[at:at + 3]), tuple(expected[at:at + 3])) for y in range(height)
             if shown[row * y:row * (y + 1)] != expected[row * y:row * (y + 1)]
             for x, at in ((x, row * y + 3 * x) for x in range(width))
             if shown[at:at + 3] != expected[at:at + 3] and not any(
                 mx <= x < mx + mw and my <= y < my + mh for mx, my, mw, mh in masks)]
    return len(wrong), wrong[0] if wrong else None


def wait_for_pixels(window, crop, expected_png, masks=(), timeout=10.0, step=0.1):
    """Waits until the crop (w, h, x, y) of the X window (or "root") shows the PNG
    outside the masks."""
    expected, last, size = png_pixels(expected_png), [0, None], crop[:2]
    grab = ["import", "-window", window, "-crop", "%dx%d+%d+%d" % crop, "-depth", "8", "rgb:-"]

    def matches():
        shown = subprocess.run(grab, check=True, stdout=subprocess.PIPE).stdout
        last[:] = differences(shown, expected, *size, masks)
        return last[0] == 0

    def seen():
        return "the pixels of %s: " % expected_png + (
            "%d differ; first at %d,%d: shown %s, expected %s" % ((last[0],) + last[1])
            if last[1] else "a picture of another size than %dx%d" % size)

    wait_until(matches, seen, timeout, step)


def wait_for_frame(tool, out, window, at, layout, difficulty, seed, moves="", scale=1,
                   size=None, seconds=None, timeout=10.0, step=0.1):
    """Waits until the window shows at (x, y) the render tool's frame after moves (of the
    size given in game pixels, else the layout's), scaled; the clock aside unless given."""
    png = tool.frame(out, layout, difficulty, seed, moves, seconds, size)
    if scale > 1:
        png = scaled(png, scale, png[:-4] + "-scaled.png")
    w, h = (scale * v for v in size or LAYOUTS[layout]["client"])
    clock = [tuple(scale * v for v in LAYOUTS[layout]["time_counter"])]
    wait_for_pixels(window, (w, h) + tuple(at), png, [] if seconds else clock, timeout, step)

"""What the screen shows against an expected PNG, outside masked rectangles."""

import subprocess

from checks import wait_until


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


def wait_for_pixels(grab, expected_png, size, masks=(), timeout=10.0, step=0.1):
    """Waits until grab() (RGB bytes of that size) shows the PNG outside the masks."""
    expected, last = png_pixels(expected_png), [0, None]

    def matches():
        last[:] = differences(grab(), expected, *size, masks)
        return last[0] == 0

    def seen():
        return "the pixels of %s: " % expected_png + (
            "%d differ; first at %d,%d: shown %s, expected %s" % ((last[0],) + last[1])
            if last[1] else "a picture of another size than %dx%d" % size)

    wait_until(matches, seen, timeout, step)

"""Running tovrin-mini under Xvfb for the end-to-end tests: the display, the
program with its report file, the keyboard and mouse through xdotool, and
screenshots compared with ImageMagick.

The program tells what happens through the report file (TOVRIN_MINI_REPORT);
every wait here polls that file, or the screen, against a deadline.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
SCREEN = (1280, 1024)
DEFAULT_WAIT = 10.0
POLL = 0.02


class Failure(Exception):
    """A check that did not hold; the message says what was seen."""


def check(condition, message):
    if not condition:
        raise Failure(message)


# ---- The display ---------------------------------------------------------------


class Display:
    """One Xvfb server for all scenarios, on a display number it picks."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as ready:
            number = ready.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode()
        # xdotool and ImageMagick, run from here, talk to this display.
        os.environ["DISPLAY"] = self.name
        os.environ.pop("WAYLAND_DISPLAY", None)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()


# ---- The program ---------------------------------------------------------------


class Program:
    """tovrin-mini with a fresh data directory, a frozen wall clock, sound to
    a file, and a report file to wait on."""

    def __init__(self, display, binary, work, faked_time, scale=1, score_file=None,
                 audio_driver="disk", lifetime=90.0):
        self.display = display
        self.work = work
        self.data_home = os.path.join(work, "data")
        self.report_path = os.path.join(work, "report.txt")
        self.audio_path = os.path.join(work, "audio.raw")
        self.shots = 0
        os.makedirs(self.data_home, exist_ok=True)
        if score_file is not None:
            os.makedirs(os.path.join(self.data_home, "tovrin-mini"), exist_ok=True)
            with open(self.score_path(), "wb") as out:
                out.write(score_file)
        env = {k: v for k, v in os.environ.items()
               if k not in ("WAYLAND_DISPLAY", "TOVRIN_MINI_REPORT", "LD_PRELOAD")}
        env.update({
            "DISPLAY": display.name,
            "GDK_BACKEND": "x11",
            "GDK_SCALE": str(scale),
            "NO_AT_BRIDGE": "1",
            "LANG": "C.UTF-8",
            "SDL_AUDIODRIVER": audio_driver,
            "SDL_DISKAUDIOFILE": self.audio_path,
            "XDG_DATA_HOME": self.data_home,
            "TOVRIN_MINI_REPORT": self.report_path,
            # The wall clock stands still at that second, so every deal of a
            # run gets the same seed; GLib's timers use the monotonic clock.
            "LD_PRELOAD": FAKETIME_LIBRARY,
            "FAKETIME": faked_time,
            "FAKETIME_DONT_FAKE_MONOTONIC": "1",
            "TZ": "UTC",
        })
        self.started = time.monotonic()
        self.deadline = self.started + lifetime
        self.process = subprocess.Popen(
            [binary], env=env, cwd=work, start_new_session=True,
            stdout=open(os.path.join(work, "stdout.txt"), "wb"),
            stderr=open(os.path.join(work, "stderr.txt"), "wb"))
        self.window = None
        self.offset = None
        self.scale = scale

    # -- lifetime --

    def stop(self):
        """Ends the program if it still runs (the safety net of every run)."""
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()

    def wait_exit(self, timeout=DEFAULT_WAIT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not exit")

    def running(self):
        return self.process.poll() is None

    # -- the report file --

    def lines(self):
        try:
            with open(self.report_path, encoding="utf-8", errors="replace") as report:
                return report.read().splitlines()
        except FileNotFoundError:
            return []

    def mark(self):
        """A position in the report: later waits look only past it."""
        return len(self.lines())

    def wait_line(self, pattern, after=0, timeout=DEFAULT_WAIT):
        """Waits for a report line matching pattern (a regular expression)
        past position after; returns its match."""
        regex = re.compile(pattern)
        end = min(time.monotonic() + timeout, self.deadline)
        while True:
            for line in self.lines()[after:]:
                found = regex.fullmatch(line)
                if found:
                    return found
            if time.monotonic() > end:
                raise Failure("no report line /%s/ past line %d; the last ones: %s"
                              % (pattern, after, self.lines()[-8:]))
            if not self.running():
                raise Failure("the program ended (code %s) while waiting for /%s/"
                              % (self.process.returncode, pattern))
            time.sleep(POLL)

    def wait_ready(self):
        """Waits for the window and its first frame; learns the window id and
        where the drawing area sits."""
        self.window = self.wait_line(r"window (0x[0-9a-f]+)").group(1)
        self.wait_line(r"shown 1")
        self.offset = self.current_offset()
        return time.monotonic() - self.started

    def current_offset(self):
        found = [l for l in self.lines() if l.startswith("offset ")]
        x, y = found[-1].split()[1:]
        return int(x), int(y)

    def score_path(self):
        return os.path.join(self.data_home, "tovrin-mini", "Dudazure2.hsc")

    def score_bytes(self):
        with open(self.score_path(), "rb") as score:
            return score.read()

    def audio_bytes(self):
        try:
            with open(self.audio_path, "rb") as audio:
                return audio.read()
        except FileNotFoundError:
            return b""

    # -- input --

    def click(self, x, y):
        """A left click at a drawing-area position in game pixels."""
        mark = self.mark()
        ox, oy = self.offset
        s = self.scale
        xdotool("mousemove", "--window", self.window, str(s * (ox + x)), str(s * (oy + y)),
                "click", "1")
        self.wait_line(r"click %d %d" % (x, y), mark)

    def keys(self, *keys, window=None):
        """Keys to a window (the main one unless told): without a window
        manager focus follows the pointer, so it is given explicitly."""
        xdotool("windowfocus", "--sync", window or self.window)
        xdotool("key", "--delay", "30", *keys)

    def type_text(self, text, window):
        xdotool("windowfocus", "--sync", window)
        xdotool("type", "--delay", "40", text)

    def command(self, keys, command_id):
        """Picks a menu item with the keyboard and waits until the game has
        the command."""
        mark = self.mark()
        self.keys(*keys)
        self.wait_line(r"command %d" % command_id, mark)
        return mark

    # -- the screen --

    def screenshot(self, region=None):
        """The drawing area (or a region of it, in game pixels) as a PNG path,
        in game pixels at scale 1 and in device pixels otherwise."""
        self.shots += 1
        whole = os.path.join(self.work, "screen-%03d.png" % self.shots)
        run(["import", "-window", self.window, whole])
        ox, oy = self.offset
        s = self.scale
        x, y, w, h = region
        area = os.path.join(self.work, "area-%03d.png" % self.shots)
        run(["convert", whole, "-crop", "%dx%d+%d+%d" % (s * w, s * h, s * (ox + x), s * (oy + y)),
             "+repage", area])
        return area

    def wait_pixels(self, expected, region, masks=(), timeout=DEFAULT_WAIT):
        """Waits until the region of the drawing area shows exactly what the
        expected PNG (already cropped to the region) shows, outside the masked
        rectangles (region coordinates)."""
        end = min(time.monotonic() + timeout, self.deadline)
        wanted = masked(expected, masks, self.work, "wanted")
        while True:
            shown = masked(self.screenshot(region), masks, self.work, "shown")
            differing = differing_pixels(wanted, shown)
            if differing == 0:
                return
            if time.monotonic() > end:
                raise Failure("%d pixels differ from %s (see %s)" % (differing, expected, shown))
            time.sleep(0.1)


# ---- Tools ---------------------------------------------------------------------


def run(command, **kwargs):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, **kwargs)


def xdotool(*args):
    return run(["xdotool"] + list(args)).stdout.decode()


def window_name(window):
    return xdotool("getwindowname", window).strip()


def close_window(helper, window):
    """Asks the window to close, as its frame's close button would."""
    run([helper, window])


def wait_until(condition, what, timeout=DEFAULT_WAIT):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def window_geometry(window):
    """(x, y, width, height) of a window on the screen."""
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def crop(png, region, out):
    x, y, w, h = region
    run(["convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", out])
    return out


def scaled(png, factor, out):
    run(["convert", png, "-scale", "%d%%" % (100 * factor), out])
    return out


_mask_count = [0]


def masked(png, masks, work, tag):
    if not masks:
        return png
    _mask_count[0] += 1
    out = os.path.join(work, "%s-masked-%03d.png" % (tag, _mask_count[0]))
    draws = []
    for x, y, w, h in masks:
        draws += ["-draw", "rectangle %d,%d %d,%d" % (x, y, x + w - 1, y + h - 1)]
    run(["convert", png, "-fill", "black"] + draws + [out])
    return out


def differing_pixels(a, b):
    """Pixels that differ between two images of the same size (ImageMagick's
    absolute error count); a size mismatch counts as all of them."""
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    text = result.stderr.decode().strip()
    try:
        return int(float(text.split()[0]))
    except (ValueError, IndexError):
        return 1 << 30


def new_work_directory(root, name):
    path = os.path.join(root, name)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def temporary_root():
    return tempfile.mkdtemp(prefix="tovrin-gtk-e2e-")

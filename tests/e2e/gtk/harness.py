"""Running tovrin-mini under Xvfb for the end-to-end tests: the display, the
program with its report file, the keyboard and mouse through xdotool, and
screenshots of its drawing area.

The program tells what happens through the report file (TOVRIN_MINI_REPORT);
every wait here polls that file, or the screen, against a deadline.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time

from checks import Failure
from pixels import crop, png_pixels, wait_for_pixels
from reporting_program import ReportingProgram
from score_file import FILE_NAME as SCORE_FILE_NAME

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
SCREEN = (1280, 1024)
DEFAULT_WAIT = 10.0


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


class Program(ReportingProgram):
    """tovrin-mini with a fresh data directory, a frozen wall clock, sound to
    a file, and a report file to wait on."""

    def __init__(self, display, binary, work, faked_time, scale=1, score_file=None,
                 audio_driver="disk", lifetime=90.0):
        super().__init__("tovrin-mini", os.path.join(work, "report.txt"), DEFAULT_WAIT, lifetime)
        self.display = display
        self.work = work
        self.data_home = os.path.join(work, "data")
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
        self.process = subprocess.Popen(
            [binary], env=env, cwd=work, start_new_session=True,
            stdout=open(os.path.join(work, "stdout.txt"), "wb"),
            stderr=open(os.path.join(work, "stderr.txt"), "wb"))
        self.window = None
        self.offset = None
        self.scale = scale

    def stop(self):
        """Ends the program if it still runs (the safety net of every run)."""
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()

    # -- what the report tells of the window --

    def wait_ready(self):
        """Waits for the window and its first frame; learns the window id and
        where the drawing area sits."""
        self.window = self.wait_line(r"window (0x[0-9a-f]+)").group(1)
        self.wait_line(r"shown 1")
        self.offset = self.current_offset()
        return time.monotonic() - self.started

    def current_offset(self):
        x, y = self.last_before(r"offset (-?\d+) (-?\d+)").groups()
        return int(x), int(y)

    # -- files --

    def score_path(self):
        return os.path.join(self.data_home, "tovrin-mini", SCORE_FILE_NAME)

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

    def screenshot(self, region):
        """A region of the drawing area (in game pixels) as a PNG path, in
        game pixels at scale 1 and in device pixels otherwise."""
        self.shots += 1
        whole = os.path.join(self.work, "screen-%03d.png" % self.shots)
        run(["import", "-window", self.window, whole])
        ox, oy = self.offset
        s = self.scale
        x, y, w, h = region
        return crop(whole, (s * (ox + x), s * (oy + y), s * w, s * h),
                    os.path.join(self.work, "area-%03d.png" % self.shots))

    def wait_pixels(self, expected, region, masks=(), timeout=DEFAULT_WAIT):
        """Waits until the region of the drawing area shows exactly what the
        expected PNG (already cropped to the region, in device pixels) shows,
        outside the masked rectangles (region coordinates)."""
        timeout = min(timeout, self.latest - time.monotonic())
        size = (self.scale * region[2], self.scale * region[3])
        try:
            wait_for_pixels(lambda: png_pixels(self.screenshot(region)), expected, size, masks,
                            timeout)
        except Failure as failure:
            raise Failure("%s (the last screenshot: screen-%03d.png)" % (failure, self.shots))


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


def window_geometry(window):
    """(x, y, width, height) of a window on the screen."""
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def new_work_directory(root, name):
    path = os.path.join(root, name)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def temporary_root():
    return tempfile.mkdtemp(prefix="tovrin-gtk-e2e-")

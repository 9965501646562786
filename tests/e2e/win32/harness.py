"""Driving tovrin-mini.exe under Wine on an Xvfb display: the display, the
program with its report file, keys and clicks through xdotool, and
screenshots of the screen that hold still.

Nothing here sleeps for a fixed time to let the program catch up: the tests
wait for the lines the program writes to its report, and for screenshots
that agree with each other and with the expected frame, each with a
deadline."""

import os
import subprocess
import time

from checks import Failure
from reporting_program import ReportingProgram
from score_file import FILE_NAME as SCORE_FILE_NAME

SCREEN = (1280, 1024)
DEADLINE = 20.0
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


def windows_path(path):
    """A path of this machine as the program sees it: Wine maps / to Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def score_file_path():
    """Where the game keeps its score file in the run's Wine prefix."""
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", os.environ.get("USER", "root"),
                        "AppData", "Roaming", "tovrin-mini", SCORE_FILE_NAME)


# ---- The display ----------------------------------------------------------------


class Display:
    """The X display the run's Wine prefix was made on (DISPLAY)."""

    def __init__(self):
        self.name = os.environ.get("DISPLAY", "")
        if not self.name:
            raise Failure("no DISPLAY: the Wine session starts Xvfb before the prefix")

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(), check=True,
                       timeout=DEADLINE, stdout=subprocess.DEVNULL)

    def click(self, x, y):
        # No --sync: it waits 15 s when the pointer is already there. The X
        # server handles the move before the click anyway.
        self.xdotool("mousemove", x, y, "click", "1")

    def wait_window(self, title):
        """The X window of a visible top-level window with this title."""
        out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^%s$" % title], env=self.env(), check=True, timeout=DEADLINE,
                             stdout=subprocess.PIPE, text=True).stdout
        return out.split()[0]

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)

    def clicks(self, points):
        """Clicks at each point in turn, in one xdotool run."""
        args = []
        for x, y in points:
            args += ["mousemove", x, y, "click", "1"]
        self.xdotool(*args)

    def type(self, text):
        self.xdotool("type", "--delay", "50", text)

    def keys(self, *keys):
        for key in keys:
            self.xdotool("key", key)

    def grab(self, x, y, width, height):
        """The screen's pixels in that rectangle, as RGB bytes."""
        return subprocess.run(
            ["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
             "-depth", "8", "rgb:-"],
            env=self.env(), check=True, timeout=DEADLINE, stdout=subprocess.PIPE).stdout

    def steady_grab(self, x, y, width, height):
        """A screenshot that an equal one 300 ms later confirms: the X
        server can show a frame a little after the program has drawn it."""
        previous = self.grab(x, y, width, height)
        end = time.monotonic() + DEADLINE
        while True:
            time.sleep(0.3)
            current = self.grab(x, y, width, height)
            if current == previous or time.monotonic() > end:
                return current
            previous = current



# ---- The program ------------------------------------------------------------------


class Program(ReportingProgram):
    """tovrin-mini.exe started under Wine with a frozen wall clock and a
    report file; report lines are read as they arrive."""

    def __init__(self, display, exe, work, name, faked_time):
        super().__init__(name, os.path.join(work, name + "-report.txt"), DEADLINE)
        self.display = display
        if os.path.exists(self.report_path):
            os.remove(self.report_path)
        env = display.env()
        env.update(TOVRIN_MINI_REPORT=windows_path(self.report_path),
                   LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME=faked_time,
                   FAKETIME_DONT_FAKE_MONOTONIC="1", TZ="UTC")
        self.log = open(os.path.join(work, name + "-wine.log"), "w")
        self.process = subprocess.Popen(["wine", exe], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)

    def geometry(self, before):
        """The window rectangle, client size and client origin on screen as
        last reported before position before."""
        window = tuple(map(int, self.last_before(r"window (-?\d+) (-?\d+) (\d+) (\d+)",
                                                 before).groups()))
        client = tuple(map(int, self.last_before(r"client (\d+) (\d+)", before).groups()))
        offset = tuple(map(int, self.last_before(r"offset (-?\d+) (-?\d+)", before).groups()))
        return window, client, offset

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=DEADLINE)
        self.log.close()

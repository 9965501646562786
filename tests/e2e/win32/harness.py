"""Driving tovrin-mini.exe under Wine on an Xvfb display: the display, the
program with its report file, keys and clicks through xdotool, and
screenshots compared with the headless renderer's frames.

Nothing here sleeps for a fixed time to let the program catch up: the tests
wait for the lines the program writes to its report, and for screenshots
that agree with each other and with the expected frame, each with a
deadline."""

import os
import re
import subprocess
import time

SCREEN = (1280, 1024)
DEADLINE = 20.0
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_until(predicate, what, timeout=DEADLINE, step=0.05):
    """Polls predicate until it gives something true, and returns that."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


def windows_path(path):
    """A path of this machine as the program sees it: Wine maps / to Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


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



# ---- Frames -----------------------------------------------------------------------


def png_pixels(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          timeout=DEADLINE, stdout=subprocess.PIPE).stdout


def differences(shown, expected, width, height, masks=()):
    """How many pixels differ outside the masked rectangles (x, y, w, h),
    and the first of them."""
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


# ---- The program ------------------------------------------------------------------


class Program:
    """tovrin-mini.exe started under Wine with a frozen wall clock and a
    report file; report lines are read as they arrive."""

    def __init__(self, display, exe, work, name, faked_time):
        self.display = display
        self.name = name
        self.report = os.path.join(work, name + "-report.txt")
        if os.path.exists(self.report):
            os.remove(self.report)
        env = display.env()
        env.update(TOVRIN_MINI_REPORT=windows_path(self.report), LD_PRELOAD=FAKETIME_LIBRARY,
                   FAKETIME=faked_time, FAKETIME_DONT_FAKE_MONOTONIC="1", TZ="UTC")
        self.log = open(os.path.join(work, name + "-wine.log"), "w")
        self.started = time.monotonic()
        self.process = subprocess.Popen(["wine", exe], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)

    def lines(self):
        try:
            with open(self.report, encoding="utf-8") as report:
                return report.read().splitlines()
        except FileNotFoundError:
            return []

    def mark(self):
        """A position in the report: later waits look at lines past it."""
        return len(self.lines())

    def find_line(self, pattern, after=0):
        lines = self.lines()
        for index in range(after, len(lines)):
            match = re.fullmatch(pattern, lines[index])
            if match:
                return index, match
        return None

    def wait_line(self, pattern, after=0, timeout=DEADLINE):
        """The first line past after that matches pattern, with its index."""
        def found():
            if self.process.poll() is not None and not self.find_line(pattern, after):
                raise Failure("%s ended (exit %s) before a line '%s'" %
                              (self.name, self.process.returncode, pattern))
            return self.find_line(pattern, after)
        return wait_until(found, "'%s' in the report of %s" % (pattern, self.name), timeout)

    def last_before(self, pattern, before):
        """The last line before position before that matches pattern."""
        lines = self.lines()[:before]
        for line in reversed(lines):
            match = re.fullmatch(pattern, line)
            if match:
                return match
        raise Failure("no line '%s' in the report of %s" % (pattern, self.name))

    def geometry(self, before):
        """The window rectangle, client size and client origin on screen as
        last reported before position before."""
        window = tuple(map(int, self.last_before(r"window (-?\d+) (-?\d+) (\d+) (\d+)",
                                                 before).groups()))
        client = tuple(map(int, self.last_before(r"client (\d+) (\d+)", before).groups()))
        offset = tuple(map(int, self.last_before(r"offset (-?\d+) (-?\d+)", before).groups()))
        return window, client, offset

    def wait_exit(self, timeout=DEADLINE):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not end" % self.name)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=DEADLINE)
        self.log.close()

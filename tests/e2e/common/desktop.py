"""The X desktop, the game's environment, the screen against an expected PNG, a
program that tells what happens in its report file, and the story runner."""

import os
import re
import shutil
import subprocess
import time
import traceback
from pathlib import Path

from game_facts import LAYOUTS, Failure, wait_until

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, timeout=20,
                          capture_output=True, text=True).stdout


def start_xvfb(size="1280x1024"):
    """An X server of its own on a display it picks, made DISPLAY; returns the server.
    It keeps its settings when its last client leaves."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               size + "x24", "-nolisten", "tcp", "-noreset"], pass_fds=[write_end],
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        os.environ["DISPLAY"] = ":" + ready.readline().strip()
    return server


def windows_named(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                          timeout=20, stdout=subprocess.PIPE, text=True).stdout.split()


def game_env(faked_time, report, wine=False, **more):
    """The game's environment: the wall clock frozen at faked_time (None: the real one),
    its report to report."""
    clock = dict(LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME=faked_time, TZ="UTC",
                 FAKETIME_DONT_FAKE_MONOTONIC="1") if faked_time else {}
    return dict(os.environ, **clock, **more,
                TOVRIN_MINI_REPORT="Z:" + report.replace("/", "\\") if wine else report)


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


def wait_for_frame(tool, out, window, at, layout, difficulty, seed, moves="", scale=1,
                   size=None, seconds=None, timeout=10.0, step=0.1, first=None):
    """Waits until the X window (or "root") shows at (x, y) the render tool's frame after
    moves (of the size given in game pixels, else the layout's), scaled, outside the clock
    unless seconds are given; first(), if given, runs between making that frame and the
    first look (timeout 0: that one look only)."""
    tool.frame(out, layout, difficulty, seed, moves, seconds, size)
    expected = subprocess.run(["convert", out, "-scale", "%d%%" % (100 * scale), "-depth", "8",
                               "rgb:-"], check=True, timeout=20, stdout=subprocess.PIPE).stdout
    size, last = tuple(scale * v for v in size or LAYOUTS[layout]["client"]), [0, None]
    masks = [] if seconds else [tuple(scale * v for v in LAYOUTS[layout]["time_counter"])]
    grab = ["import", "-window", window, "-crop", "%dx%d+%d+%d" % (size + tuple(at)),
            "-depth", "8", "rgb:-"]

    def matches():
        shown = subprocess.run(grab, check=True, stdout=subprocess.PIPE).stdout
        last[:] = differences(shown, expected, *size, masks)
        return last[0] == 0

    def seen():
        return "the pixels of %s: " % out + (
            "%d differ; first at %d,%d: shown %s, expected %s" % ((last[0],) + last[1])
            if last[1] else "a picture of another size than %dx%d" % size)

    first and first()
    wait_until(matches, seen, timeout, step)


STARTED = []  # every process started, stopped by stop_started()


def stop_started():
    while STARTED:
        process = STARTED.pop()
        process.kill()
        process.wait(20)


class ReportingProgram:
    """Waits look for a report line past a mark (a line count) until a deadline or the
    program's end."""

    def __init__(self, name, report_path, timeout, lifetime=None):
        """timeout: a wait's length unless told; lifetime: the latest any wait may reach."""
        self.name, self.report_path, self.timeout, self.process = name, report_path, timeout, None
        self.started = time.monotonic()
        self.latest = self.started + lifetime if lifetime is not None else None

    def start(self, command, env, cwd=None, output=subprocess.DEVNULL):
        self.process = subprocess.Popen(command, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                        stdout=output, stderr=output)
        STARTED.append(self.process)

    def wait_exit(self, timeout=None):
        try:
            return self.process.wait(timeout=timeout or self.timeout)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not exit" % self.name)

    def lines(self):
        report = Path(self.report_path)
        return report.read_text("utf-8", "replace").splitlines() if report.exists() else []

    def mark(self):
        return len(self.lines())

    def find_line(self, pattern, after=0):
        """(index, match) of the first line past after that matches pattern, or None."""
        return next(((i, m) for i, line in enumerate(self.lines()[after:], after)
                     if (m := re.fullmatch(pattern, line))), None)

    def last_before(self, pattern, before=None):
        for line in reversed(self.lines()[:before]):
            if match := re.fullmatch(pattern, line):
                return match
        raise Failure("no line /%s/ in the report of %s" % (pattern, self.name))

    def wait_line_index(self, pattern, after=0, timeout=None):
        """Waits for a line past after that matches pattern; (index, match)."""
        timeout = min(timeout or self.timeout, (self.latest or 1e9) - time.monotonic())

        def found():
            ended = self.process.poll() is not None  # first, so as not to miss a last line
            hit = self.find_line(pattern, after)
            if hit is None and ended:
                raise Failure("%s ended (exit %s) while waiting for /%s/" %
                              (self.name, self.process.returncode, pattern))
            return hit

        return wait_until(found, lambda: "/%s/ past line %d of %s's report, which ends %s" % (
            pattern, after, self.name, self.lines()[-8:]), timeout, 0.02)

    def wait_line(self, pattern, after=0, timeout=None):
        return self.wait_line_index(pattern, after, timeout)[1]


def run_stories(suite, stories, run, work):
    """run(story) plays one; returns the exit code."""
    failed = 0
    for story in stories:
        began = time.monotonic()
        try:
            run(story)
            print("ok   %-60s %5.1f s" % (story.__name__, time.monotonic() - began), flush=True)
        except Exception as error:  # a failed check or a broken tool
            failed += 1
            print("FAIL %s (files in %s)\n%s%s" % (story.__name__, work, error if isinstance(
                error, Failure) else traceback.format_exc(), getattr(error, "stderr", None) or ""),
                  flush=True)  # a tool's own words: xdotool's output is captured
        stop_started()
    failed or shutil.rmtree(work)
    print("%s: %d passed, %d failed" % (suite, len(stories) - failed, failed))
    return 1 if failed else 0

"""A program under test that tells what happens through its report file
(TOVRIN_MINI_REPORT): the lines are read as the file grows, and waits look
for a line past a mark until a deadline or the program's end. Each desktop's
Program starts the process (self.process) and reads the lines that are its
own."""

import re
import subprocess
import time

from checks import Failure, wait_until

POLL = 0.02


class ReportingProgram:
    def __init__(self, name, report_path, timeout, lifetime=None):
        """timeout: how long a wait lasts unless told; lifetime: how long
        any wait may reach past the start, if limited."""
        self.name = name
        self.report_path = report_path
        self.timeout = timeout
        self.started = time.monotonic()
        self.latest = self.started + lifetime if lifetime is not None else None
        self.process = None

    # -- lifetime --

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=None):
        try:
            return self.process.wait(timeout=timeout or self.timeout)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not exit" % self.name)

    # -- the report --

    def lines(self):
        try:
            with open(self.report_path, encoding="utf-8", errors="replace") as report:
                return report.read().splitlines()
        except FileNotFoundError:
            return []

    def mark(self):
        """A position in the report: later waits look only past it."""
        return len(self.lines())

    def find_line(self, pattern, after=0):
        """The first line past after that matches pattern (a regular
        expression) as (index, match), or None."""
        lines = self.lines()
        for index in range(after, len(lines)):
            match = re.fullmatch(pattern, lines[index])
            if match:
                return index, match
        return None

    def last_before(self, pattern, before=None):
        """The match of the last line before position before (of all lines
        unless told) that matches pattern."""
        for line in reversed(self.lines()[:before]):
            match = re.fullmatch(pattern, line)
            if match:
                return match
        raise Failure("no line /%s/ in the report of %s" % (pattern, self.name))

    def wait_line_index(self, pattern, after=0, timeout=None):
        """Waits for a line past after that matches pattern; returns (index,
        match)."""
        timeout = timeout or self.timeout
        if self.latest is not None:
            timeout = min(timeout, self.latest - time.monotonic())

        def found():
            hit = self.find_line(pattern, after)
            if hit is None and not self.running():
                hit = self.find_line(pattern, after)  # written just before the end
                if hit is None:
                    raise Failure("%s ended (exit %s) while waiting for /%s/" %
                                  (self.name, self.process.returncode, pattern))
            return hit

        return wait_until(found, lambda: "a line /%s/ past line %d in the report of %s; the "
                          "last ones: %s" % (pattern, after, self.name, self.lines()[-8:]),
                          timeout, POLL)

    def wait_line(self, pattern, after=0, timeout=None):
        """Waits for a line past after that matches pattern; returns its
        match."""
        return self.wait_line_index(pattern, after, timeout)[1]

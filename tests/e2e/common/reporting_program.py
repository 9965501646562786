"""A program that tells what happens in its report file (TOVRIN_MINI_REPORT);
waits look for a line past a mark (a line count) until a deadline or the
program's end."""

import re
import subprocess
import time
from pathlib import Path

from checks import Failure, wait_until


STARTED = []  # every process started, stopped by stop_started()


def stop_started():
    while STARTED:
        process = STARTED.pop()
        process.kill()
        process.wait(20)


class ReportingProgram:
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

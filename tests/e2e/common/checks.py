"""Checks and waits: a check that does not hold raises Failure with what was
seen; a wait polls against a deadline, never sleeping a fixed time."""

import time


class Failure(Exception):
    """A check that did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(predicate, what, timeout, step=0.05):
    """predicate()'s first true value; Failure naming what (or what()) after timeout."""
    end = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(step)
    return value

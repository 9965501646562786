"""Checks and waits for the end-to-end tests: a check that does not hold
raises Failure with what was seen, and every wait polls against a deadline
(nothing sleeps a fixed time to let a program catch up)."""

import time


class Failure(Exception):
    """A check that did not hold; the message says what was seen."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(predicate, what, timeout, step=0.05):
    """Polls predicate until it gives something true, and returns that. After
    timeout seconds raises Failure naming what: a text, or a function that
    says it at that moment (with what was seen last)."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(step)

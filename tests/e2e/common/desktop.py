"""The X desktop and the game's environment, shared by the GTK and Wine runs."""

import os
import subprocess

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, timeout=20,
                          stdout=subprocess.PIPE, text=True).stdout


def windows_named(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                          timeout=20, stdout=subprocess.PIPE, text=True).stdout.split()


def game_env(faked_time, report, wine=False, **more):
    """The game's environment: the wall clock frozen at faked_time, its report to report."""
    return dict(os.environ, LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME=faked_time, TZ="UTC",
                FAKETIME_DONT_FAKE_MONOTONIC="1", **more,
                TOVRIN_MINI_REPORT="Z:" + report.replace("/", "\\") if wine else report)

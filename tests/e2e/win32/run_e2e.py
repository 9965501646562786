"""Runs the Windows front end's end-to-end stories under Wine and Xvfb.

    python3 tests/e2e/win32/run_e2e.py PROGRAM.exe RENDER-TOOL

Expects DISPLAY, WINEPREFIX and the Wine settings of
tests/e2e/win32/wine_session.sh in the environment (scripts/test-windows sets
them up). Prints one line per story and the figures; exits 1 when a story
fails, keeping its report and screenshots' expectations in the work folder."""

import os
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(os.path.dirname(HERE), "common")]

from checks import Failure  # noqa: E402
from harness import Display  # noqa: E402
from render_tool import RenderTool  # noqa: E402
from scenarios import SCENARIOS, Context  # noqa: E402


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    exe, render_tool = argv[1], argv[2]
    for path in (exe, render_tool):
        if not os.path.exists(path):
            print("run_e2e: %s is missing" % path, file=sys.stderr)
            return 2
    if "WINEPREFIX" not in os.environ or "DISPLAY" not in os.environ:
        print("run_e2e: no Wine session; run through scripts/test-windows", file=sys.stderr)
        return 2

    work = tempfile.mkdtemp(prefix="tovrin-win32-e2e.")
    ctx = Context(Display(), os.path.abspath(exe), RenderTool(render_tool), work)
    failed = 0
    started = time.monotonic()
    for scenario in SCENARIOS:
        begun = time.monotonic()
        try:
            scenario(ctx)
            print("PASS %s (%.1f s)" % (scenario.__name__, time.monotonic() - begun), flush=True)
        except (Failure, OSError) as error:
            failed += 1
            print("FAIL %s: %s" % (scenario.__name__, error), flush=True)
        finally:
            for program in ctx.programs:
                program.stop()
            ctx.programs.clear()

    print("%d of %d end-to-end stories passed in %.1f s" %
          (len(SCENARIOS) - failed, len(SCENARIOS), time.monotonic() - started))
    for name, value in ctx.figures.items():
        print("figure: %s: %s" % (name, value))
    if failed:
        print("reports and expected frames kept in " + work)
    else:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

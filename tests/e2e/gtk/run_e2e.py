"""Runs the GTK end-to-end scenarios against a build and prints one line per
scenario and a closing count.

    python3 tests/e2e/gtk/run_e2e.py [BUILD-DIR] [SCENARIO-NAME ...]

Work files of a failed scenario (report, screenshots, audio) are kept and
their folder is printed; TOVRIN_E2E_KEEP=1 keeps those of every scenario."""

import os
import shutil
import sys
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(os.path.dirname(HERE), "common")]

import build_tools  # noqa: E402
import harness  # noqa: E402
import scenarios  # noqa: E402
from checks import Failure  # noqa: E402


def main(argv):
    repository = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
    build = os.path.abspath(argv[1]) if len(argv) > 1 else os.path.join(repository, "build")
    wanted = set(argv[2:])
    keep = os.environ.get("TOVRIN_E2E_KEEP") == "1"
    tools = build_tools.Tools(repository, build)
    for binary in tools.binaries():
        if not os.access(binary, os.X_OK):
            print("gtk-e2e: %s is missing; build first" % binary)
            return 2

    root = harness.temporary_root()
    display = harness.Display()
    passed, failed = 0, 0
    figures = {}
    try:
        for scenario in scenarios.SCENARIOS:
            name = scenario.__name__
            if wanted and name not in wanted:
                continue
            work = harness.new_work_directory(root, name)
            ctx = scenarios.Context(display, tools, work)
            started = time.monotonic()
            try:
                scenario(ctx)
                passed += 1
                print("ok   %-55s %5.1f s" % (name, time.monotonic() - started), flush=True)
                if not keep:
                    shutil.rmtree(work, ignore_errors=True)
            except Exception as error:  # a failed check or a broken tool
                failed += 1
                print("FAIL %-55s %5.1f s" % (name, time.monotonic() - started), flush=True)
                if isinstance(error, Failure):
                    print("     " + str(error))
                else:
                    traceback.print_exc()
                print("     work files: " + work)
            finally:
                if hasattr(ctx, "program"):
                    ctx.program.stop()
                figures.update(ctx.figures)
    finally:
        display.close()
    for key, value in figures.items():
        print("figure: %s %.3f" % (key, value))
    if keep:
        print("gtk-e2e: work files in " + root)
    elif failed == 0:
        shutil.rmtree(root, ignore_errors=True)
    print("gtk-e2e: %d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))

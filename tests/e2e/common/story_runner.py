"""Runs stories one after another: one's fault does not stop the others, the
programs each started are stopped after it, the work folder kept if one failed."""

import shutil
import time
import traceback

from checks import Failure
from reporting_program import stop_started


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
            print("FAIL %s (files in %s)\n%s" % (story.__name__, work, error if isinstance(
                error, Failure) else traceback.format_exc()), flush=True)
        stop_started()
    failed or shutil.rmtree(work)
    print("%s: %d passed, %d failed" % (suite, len(stories) - failed, failed))
    return 1 if failed else 0

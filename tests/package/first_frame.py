"""first_frame.py linux|wine PROGRAM RENDER-TOOL: starts an installed game (under Wine
from its folder) on DISPLAY, its clock frozen; waits for the render tool's first frame."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e", "common"))
from desktop import ReportingProgram, game_env, stop_started, wait_for_frame  # noqa: E402
from game_facts import PLAY_TIME, RenderTool, seed_for  # noqa: E402

DEADLINE = 30.0


def main(kind, program, render_tool):
    work = tempfile.mkdtemp(prefix="tovrin-first-frame.")  # under the caller's TMPDIR
    report = os.path.join(work, "report.txt")
    env = game_env(PLAY_TIME, report, kind == "wine", XDG_DATA_HOME=work, GDK_BACKEND="x11",
                   GDK_SCALE="1", NO_AT_BRIDGE="1", SDL_AUDIODRIVER="dummy")
    command, folder = [os.path.abspath(program)], work
    if kind == "wine":
        command, folder = ["wine", os.path.basename(program)], os.path.dirname(program)
    game = ReportingProgram(program, report, DEADLINE, lifetime=3 * DEADLINE)
    game.start(command, env, folder)
    try:
        size = tuple(map(int, game.wait_line(r"frame 1 (\d+)x(\d+)", timeout=2 * DEADLINE).groups()))
        # Linux tells where the drawing sits in its window, Windows on the screen.
        window = game.last_before(r"window (0x[0-9a-f]+)").group(1) if kind == "linux" else "root"
        at = tuple(map(int, game.last_before(r"offset (-?\d+) (-?\d+)").groups()))
        wait_for_frame(RenderTool(render_tool), os.path.join(work, "expected.png"), window, at,
                       "mini", "normal", seed_for(PLAY_TIME), size=size, timeout=DEADLINE)
        print("PASS first frame of " + program)
    finally:
        stop_started()


if __name__ == "__main__":
    main(*sys.argv[1:])

"""first_frame.py linux|wine PROGRAM RENDER-TOOL: starts an installed game (under Wine
from its folder) on DISPLAY, its clock frozen; waits for the render tool's first frame."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e", "common"))
from game_facts import PLAY_TIME, seed_for, time_mask  # noqa: E402
from pixels import wait_for_pixels  # noqa: E402
from render_tool import RenderTool  # noqa: E402
from reporting_program import ReportingProgram  # noqa: E402

DEADLINE = 30.0


def main(kind, program, render_tool):
    work = tempfile.mkdtemp(prefix="tovrin-first-frame.")  # under the caller's TMPDIR
    report = os.path.join(work, "report.txt")
    env = dict(os.environ, LD_PRELOAD="/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
               FAKETIME=PLAY_TIME, FAKETIME_DONT_FAKE_MONOTONIC="1", TZ="UTC",
               TOVRIN_MINI_REPORT=report, XDG_DATA_HOME=work, GDK_BACKEND="x11", GDK_SCALE="1",
               NO_AT_BRIDGE="1", SDL_AUDIODRIVER="dummy")
    command, folder = [os.path.abspath(program)], work
    if kind == "wine":
        env["TOVRIN_MINI_REPORT"] = "Z:" + report.replace("/", "\\")
        command, folder = ["wine", os.path.basename(program)], os.path.dirname(program)
    game = ReportingProgram(program, report, DEADLINE, lifetime=3 * DEADLINE)
    game.process = subprocess.Popen(command, env=env, cwd=folder, stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        size = tuple(map(int, game.wait_line(r"frame 1 (\d+)x(\d+)", timeout=2 * DEADLINE).groups()))
        # Linux tells where the drawing sits in its window, Windows on the screen.
        window = game.last_before(r"window (0x[0-9a-f]+)").group(1) if kind == "linux" else "root"
        x, y = map(int, game.last_before(r"offset (-?\d+) (-?\d+)").groups())
        expected = RenderTool(render_tool).frame(os.path.join(work, "expected.png"), "mini",
                                                 "normal", seed_for(PLAY_TIME), size=size)
        grab = ["import", "-window", window, "-crop", "%dx%d+%d+%d" % (size + (x, y)),
                "-depth", "8", "rgb:-"]
        wait_for_pixels(lambda: subprocess.run(grab, check=True, stdout=subprocess.PIPE).stdout,
                        expected, size, time_mask("mini"), DEADLINE)
        print("PASS first frame of " + program)
    finally:
        game.process.kill()


if __name__ == "__main__":
    main(*sys.argv[1:])

"""run_e2e.py PROGRAM.exe RENDER-TOOL, in scripts/test-windows's Wine session: stories
that play with xdotool and check what a player sees, and the score files' bytes."""

import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))

from desktop import *  # noqa: E402,F403 - xdotool, the program, frames, the story runner
from game_facts import *  # noqa: E402,F403 - game facts, board, score file, checks

DEADLINE = 20.0
EXE, RENDER, WORK = None, None, None


def score_paths():
    drive = Path(os.environ["WINEPREFIX"], "drive_c")
    user = [u for u in (drive / "users").iterdir() if u.name != "Public"][0] / "AppData"
    return (user / "Roaming" / "tovrin-mini" / FILE_NAME,
            user / "Local" / "VirtualStore" / "windows" / FILE_NAME, drive / "windows" / FILE_NAME)


class Program(ReportingProgram):
    """The game under a frozen clock, on these score files (None: absent)."""

    def __init__(self, name, faked_time, files):
        super().__init__(name, os.path.join(WORK, name + ".txt"), DEADLINE)
        self.faked_time = faked_time
        for path, contents in zip(score_paths(), files):
            path.unlink(missing_ok=True)
            if contents:
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_bytes(contents)
        self.start(["wine", EXE], game_env(faked_time, self.report_path, wine=True))
        self.wait_line(r"frame 1 \d+x\d+", timeout=2 * DEADLINE)
        self.window = wait_until(lambda: windows_named("Tovrinみに"), "the window", DEADLINE)[0]

    def number(self, name):
        return int(self.last_before(r"%s (-?\d+)" % name).group(1))

    def geometry(self):
        return [tuple(map(int, self.last_before(pattern).groups())) for pattern in
                (r"window (-?\d+) (-?\d+) (\d+) (\d+)", r"client (\d+) (\d+)",
                 r"offset (-?\d+) (-?\d+)")]

    def click(self, points=(), cells=()):
        (x, y), scale = self.geometry()[2], self.number("scale")
        points = [*points, *(cell_centre("mini", *cell) for cell in cells)]
        xdotool(*sum((["mousemove", x + scale * px, y + scale * py, "click", 1]
                      for px, py in points), []))

    def answer(self, caption, after, key, answer):
        """Answers a box past after (its caption may be the window's)."""
        self.wait_line("messagebox " + caption, after)
        box = wait_until(lambda: [w for w in windows_named(caption) if w != self.window][-1:],
                         "a box " + caption, DEADLINE)[0]
        xdotool("windowfocus", "--sync", box)  # keys chained to it would go as sent events
        xdotool("key", key)
        self.wait_line("messagebox closed " + answer, after)

    def menu(self, keys, wait_for=None, caption=None, key=None, answer=None):
        mark = self.mark()
        self.click([(5, 5)])
        self.wait_line(r"click 5 5", mark)  # now the window takes keys
        for menu_key in keys:
            xdotool("key", menu_key)
        if caption:
            self.answer(caption, mark, key, answer)
        return self.wait_line_index(wait_for, mark)[0] if wait_for else mark

    def expect(self, layout, difficulty, moves=""):
        """The client area shows the tool's frame, scaled, the clock aside."""
        scale, (_, client, at) = self.number("scale"), self.geometry()
        wait_for_frame(RENDER, os.path.join(WORK, "expected-%d.png" % time.monotonic_ns()),
                       "root", at, layout, difficulty, seed_for(self.faked_time), moves, scale,
                       (client[0] // scale, client[1] // scale), None, DEADLINE, 0.05)


def placed(p, layout, outer):
    (x, y, width, height), client, _ = p.geometry()
    least = LAYOUTS[layout]["client"]
    check(width >= outer[0] and height >= outer[1] and client[0] >= least[0] and
          client[1] >= least[1] and abs(2 * x + width - 1280) <= 1 and
          abs(2 * y + height - 1024) <= 1, "%s window %s" % (layout, p.geometry()))


def first_start_play_options_and_quit():
    """A new file in the user's folder only; a pair; both answers to each box;
    the options switch layout, deal and sound; Quit saves them."""
    p = Program("first-start", PLAY_TIME, (None, None, None))
    user, _, windows = score_paths()
    check(user.read_bytes() == score_file() and not windows.exists(), "a wrong new file")
    placed(p, "mini", (490, 235))
    p.expect("mini", "normal")
    pair = hint_pair(RENDER.board("mini", "normal", seed_for(PLAY_TIME))[0])
    p.click(cells=pair)
    p.expect("mini", "normal", moves_text([pair]))
    p.menu(KEYS_NEW_GAME, caption="新しいゲーム", key="n", answer="no")
    p.expect("mini", "normal", moves_text([pair]))
    p.menu(KEYS_NEW_GAME, caption="新しいゲーム", key="Return", answer="yes")
    p.expect("mini", "normal")
    p.menu(KEYS_QUIT, caption="終了", key="n", answer="no")
    p.menu(KEYS_LARGE, r"frame \d+ \d+x\d+")
    placed(p, "large", (700, 570))
    p.expect("large", "normal")
    p.menu(KEYS_EASY, r"time \d+")
    p.expect("large", "easy")
    mark = p.menu(KEYS_SOUND_OFF, r"frame \d+ \d+x\d+")
    check(p.find_line(r"sound loop \d+", mark) is None, "the loop plays with sound off")
    p.menu(KEYS_QUIT, caption="終了", key="Return", answer="yes")
    saved = score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF, layout=CMD_LARGE)
    check(p.wait_exit() == 0 and user.read_bytes() == saved, "Quit saved %s" % user.read_bytes())


def an_older_file_is_imported_and_closing_saves():
    """VirtualStore's file wins over C:\\windows's, copied whole, both left
    alone; its options rule; closing from the frame asks nothing, saves."""
    records = [record(42, b"yuki\0\0\0\0\0\0")] + [DEFAULT_RECORD] * 5
    older = (score_file(records, CMD_EASY, CMD_SOUND_OFF, CMD_LARGE) + b"older",
             score_file() + b"windows")
    p = Program("older-file", PLAY_TIME, (None,) + older)
    user, virtual, windows = score_paths()
    check(user.read_bytes() == older[0], "imported %s" % user.read_bytes())
    placed(p, "large", (700, 570))
    p.expect("large", "easy")
    p.menu(KEYS_HIGH_SCORE, caption="ハイスコア", key="Return", answer="ok")
    p.menu(KEYS_NORMAL, r"time \d+")
    p.expect("large", "normal")
    mark = p.menu(["alt+F4"])
    check(p.wait_exit() == 0 and p.find_line(r"messagebox .*", mark) is None, "closing asked")
    saved = score_file(records, CMD_NORMAL, CMD_SOUND_OFF, CMD_LARGE) + b"older"
    check(user.read_bytes() == saved and (virtual.read_bytes(), windows.read_bytes()) == older,
          "closing saved %s" % user.read_bytes())


def clears_enter_the_table_and_the_box_leaves_no_hole():
    """C:\\windows's file imported; three clears with the jingle and names: a long one cut
    to nine bytes, katakana replacing the one selected, Cancel; no hole after the table."""
    pairs = RENDER.hint_path("mini", "easy", seed_for(CLEAR_TIME))[0]
    windows = score_file(difficulty=CMD_EASY) + b"windows"
    p = Program("cleared", CLEAR_TIME, (None, None, windows))
    user, _, older = score_paths()
    check(user.read_bytes() == windows, "imported %s" % user.read_bytes())
    for typed in ["Tovrin-Mini!", "\uff83\uff7d\uff84", None]:  # ﾃｽﾄ
        mark = p.mark()
        p.click(cells=cells_of(pairs))
        p.wait_line(r"dialog name-entry", mark)
        check(p.find_line(r"sound once \d+", mark), "no clear jingle before the name dialog")
        dialog = wait_until(lambda: windows_named("ハイスコア"), "the dialog", DEADLINE)[0]
        xdotool("windowfocus", "--sync", dialog)
        if typed:
            # Characters outside the keymap go through a keycode xdotool remaps for
            # each; under load Wine lost one typed 50 ms apart, so they get more room.
            xdotool("type", "--delay", 150, typed)
        xdotool("key", "Return" if typed else "Escape")
        p.wait_line(r"dialog closed " + ("ok" if typed else "cancel"), mark)
        p.answer("ハイスコア", mark, "Return", "ok")
        if typed == "Tovrin-Mini!":
            p.expect("mini", "easy", moves_text(pairs))
        p.menu(KEYS_NEW_GAME, caption="新しいゲーム", key="Return", answer="yes")
    saved = user.read_bytes()
    names = sorted(name for _, name in records_of(saved)[:3])
    check(names == [b"Tovrin-Mi", b"\xc3\xbd\xc4", b"\xc3\xbd\xc4"], "names %s" % names)
    check(saved[44:] == windows[44:] and older.read_bytes() == windows,
          "the Normal lines, the option words or the older file changed: %s" % saved)


def double_scale_a_stuck_game_and_the_session_ends():
    """At 192 DPI the frame is enlarged twice and clicks mapped back. A deal
    that gets stuck: the game-over box, which leaves no hole. The session ends
    while a box is open: the sound stops and the options are saved, once."""
    pairs = RENDER.hint_path("mini", "easy", seed_for(STUCK_TIME))[0]
    dpi = ["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/f"]
    subprocess.run(dpi + ["/t", "REG_DWORD", "/d", "192"], check=True, capture_output=True)
    try:
        p = Program("double", STUCK_TIME, (score_file(difficulty=CMD_EASY), None, None))
    finally:
        subprocess.run(["wine", "reg", "delete"] + dpi[3:], capture_output=True)
    check(p.number("scale") == 2 and p.geometry()[1] == (940, 372), "at 2x: %s" % p.geometry())
    p.expect("mini", "easy")
    p.click(cells=pairs[0][:1])
    p.expect("mini", "easy", "%d,%d" % pairs[0][0])
    p.click(cells=cells_of(pairs)[1:])
    p.answer("Tovrinみに", 0, "Return", "ok")  # the first box of the run
    p.expect("mini", "easy", moves_text(pairs))
    p.menu(KEYS_SOUND_OFF, r"frame \d+ \d+x\d+")
    mark = p.menu(KEYS_HIGH_SCORE, r"messagebox ハイスコア")
    # Wine's log-off: WM_QUERYENDSESSION, WM_ENDSESSION, then the process is ended.
    subprocess.run(["wineboot", "--end-session", "--shutdown"], check=True, capture_output=True,
                   timeout=30)
    ended = p.wait_exit() == 0 and p.find_line("session ends", mark)
    check(ended and p.lines()[ended[0]:] == ["session ends", "sound stop"],  # no loop's end
          "the session's end: %s" % p.lines()[mark:])
    saved = score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF)
    check(score_paths()[0].read_bytes() == saved, "at the session's end saved %s" %
          score_paths()[0].read_bytes())


STORIES = [first_start_play_options_and_quit, an_older_file_is_imported_and_closing_saves,
           clears_enter_the_table_and_the_box_leaves_no_hole,
           double_scale_a_stuck_game_and_the_session_ends]  # ends every program of the prefix


def main(exe, render_tool):
    global EXE, RENDER, WORK
    EXE, RENDER, WORK = os.path.abspath(exe), RenderTool(render_tool), tempfile.mkdtemp()
    started = time.monotonic()
    failed = run_stories("wine", STORIES, lambda story: story(), WORK)
    print("Wine stories took %.1f s" % (time.monotonic() - started))
    return failed


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]) if len(sys.argv) == 3 else 2)

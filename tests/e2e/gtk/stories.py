"""stories.py BUILD-DIR [STORY ...]: long games through tovrin-mini's window under Xvfb,
checked against the render tool, the rules and the file format; a failure keeps its files."""

import fcntl
import os
import subprocess
import sys
import tempfile
from pathlib import Path
from signal import SIGINT, SIGTERM

REPOSITORY = Path(__file__).resolve().parents[3]
sys.path[:0] = [str(REPOSITORY / "tests/e2e/common")]

from desktop import *  # noqa: E402,F403 - xdotool, the program, frames, the story runner
from game_facts import *  # noqa: E402,F403 - game facts, board, score file, checks

PLAY, CLEAR, STUCK = map(seed_for, (PLAY_TIME, CLEAR_TIME, STUCK_TIME))
SCORE = os.path.join("tovrin-mini", FILE_NAME)
# "ﾃｽ名前で" in Shift_JIS: what fits of "ﾃｽ名前です" (1 + 1 + 2 + 2 + 2 bytes) in nine.
NAME = b"\xc3\xbd\x96\xbc\x91O\x82\xc5\0\0"
GAME = "platform/gtk/tovrin-mini"
LEAKS = REPOSITORY / "tests/e2e/common/toolkit_leaks.supp"  # not the program's own
PRIMARY = [0, 0, 1280, 1024]  # the primary monitor on the X screen, as set below


def primary_monitor_at(x, y):
    """Makes the X screen's one output a primary monitor of 1280x1024 at (x, y), as a
    laptop right of (and lower than) another screen would be; GDK shows only monitors
    with an output."""
    subprocess.run(["xrandr", "--setmonitor", "*laptop", "1280/339x1024/271+%d+%d" % (x, y),
                    "screen"], check=True, timeout=20, capture_output=True)
    PRIMARY[:2] = x, y


class Program(ReportingProgram):
    """The game with its data in work and the wall clock frozen at faked_time (None: the
    real one), up to its first frame; more names its environment's changes."""

    def __init__(self, build, work, faked_time, scale=1, lifetime=90.0, **more):
        super().__init__("tovrin-mini", os.path.join(work, "report.txt"), 10.0, lifetime)
        self.tool = RenderTool(os.path.join(build, "tools/render/tovrin-mini-render"))
        self.work, self.scale = work, scale
        env = dict(GDK_BACKEND="x11", GDK_SCALE=str(scale), NO_AT_BRIDGE="1", LANG="C.UTF-8",
                   SDL_AUDIODRIVER="disk", XDG_DATA_HOME=work, SDL_DISKAUDIOFILE=os.path.join(
                       work, "audio"), ASAN_OPTIONS="verify_asan_link_order=0",
                   LSAN_OPTIONS="suppressions=" + str(LEAKS))  # for a sanitizer build
        env = game_env(faked_time, self.report_path, **env | more)
        with open(os.path.join(work, "output.txt"), "wb") as output:
            self.start([os.path.join(build, GAME)], env, work, output)
        self.window = self.wait_line(r"window (0x[0-9a-f]+)")[1]
        self.wait_line(r"shown 1")
        self.resized(0)

    def resized(self, after):
        """Learns the drawing area's size past after and its offset; checks the window."""
        size = tuple(map(int, self.wait_line(r"size (\d+) (\d+)", after).groups()))
        self.layout = next(name for name, facts in LAYOUTS.items() if facts["client"] == size)
        self.offset = tuple(map(int, self.last_before(r"offset (-?\d+) (-?\d+)").groups()))
        got = xdotool("getwindowgeometry", "--shell", self.window).split()[1:5]
        s, w, h = self.scale, size[0], size[1] + self.offset[1]  # centred in logical pixels
        x, y, mw, mh = (v // s for v in PRIMARY)
        check(got == ["X=%d" % (s * (x + (mw - w) // 2)), "Y=%d" % (s * (y + (mh - h) // 2)),
                      "WIDTH=%d" % (s * w), "HEIGHT=%d" % (s * h)], "window %s" % got)

    def file(self, name):
        return Path(self.work, name).read_bytes()

    def clicks(self, *points, cells=()):
        points = [*points, *(cell_centre(self.layout, *cell) for cell in cells)]
        mark, s, (ox, oy) = self.mark(), self.scale, self.offset
        xdotool(*(arg for x, y in points for arg in ("mousemove", "--window", self.window,
                                                     s * (ox + x), s * (oy + y), "click",
                                                     "--delay", 0, 1)))
        wanted = ["click %d %d" % point for point in points]
        wait_until(lambda: [l for l in self.lines()[mark:] if l.startswith("click")] == wanted,
                   "the clicks %s" % wanted, self.timeout)

    def keys(self, *keys, window=None):  # with no window manager, nothing else focuses it
        xdotool("windowfocus", "--sync", window or self.window, "key", "--delay", 30, *keys)

    def command(self, keys, command_id):
        mark = self.mark()
        self.keys(*keys)
        self.wait_line(r"command %d" % command_id, mark)
        return mark

    def answer(self, after, caption, key, answer):
        """Answers the box with that caption, up past after, with key; checks the answer."""
        self.keys(key, window=self.wait_line(r"messagebox (0x\w+) " + caption, after)[1])
        self.wait_line("answer %s %s" % (answer, caption), after)

    def expect(self, difficulty, seed, moves="", seconds=None, **more):
        """Waits for the render tool's frame after moves, the clock aside unless given."""
        wait_for_frame(self.tool, os.path.join(self.work, "expected.png"), self.window,
                       [self.scale * v for v in self.offset], self.layout, difficulty, seed,
                       moves, self.scale, seconds=seconds, **more)

    def shown_during(self, wave, difficulty, seed, moves):
        """One look at the window while wave plays once, which the end of a game does
        after its last frame: that look must already show the board after moves."""
        size, at = len((REPOSITORY / "resources" / wave).read_bytes()), []
        self.expect(difficulty, seed, moves, timeout=0, first=lambda: at.append(
            self.wait_line_index(r"sound once %d" % size)[0]))
        check(self.find_line(r"sound once done", at[0]) is None, "the look after %s" % wave)

    def marks(self, after, *checked):
        self.wait_line("marks " + " ".join("%d=%d" % (c, c in checked)
                                           for c in range(CMD_EASY, CMD_LARGE + 1)), after)

    def played(self, wave):
        data = (REPOSITORY / "resources" / wave).read_bytes()
        start = data[data.index(b"data") + 8:][:4000]
        wait_until(lambda: start in self.file("audio"), "the samples of %s" % wave, 10.0)


def a_normal_game_its_menus_and_a_signal_at_the_quit_question(build, work):
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "none"), DISPLAY="")
    alone = subprocess.run([os.path.join(build, GAME)], env=env, capture_output=True, timeout=10)
    check(alone.returncode == 1 and b"no display" in alone.stderr and
          not os.path.exists(env["XDG_DATA_HOME"]), "without a display: %s" % alone)

    p = Program(build, work, PLAY_TIME, SDL_AUDIODRIVER="none")
    check(p.layout == "mini" and p.file(SCORE) == score_file(), "created: %r" % p.file(SCORE))
    check(xdotool("getwindowname", p.window) == "Tovrinみに\n", "the title")
    p.marks(0, CMD_NORMAL, CMD_SOUND_ON, CMD_MINI)
    p.expect("normal", PLAY)
    p.expect("normal", PLAY, seconds=3)  # the clock runs

    moves = moves_text([pair := hint_pair(p.tool.board("mini", "normal", PLAY)[0])])
    p.clicks(cells=pair[:1])
    p.expect("normal", PLAY, "%d,%d" % pair[0])
    p.clicks((20, 20), cells=pair[1:])  # the first click is off the board
    p.expect("normal", PLAY, moves)
    p.answer(p.command(KEYS_NEW_GAME, CMD_NEW_GAME), "新しいゲーム", "alt+n", "no")
    p.expect("normal", PLAY, moves)
    p.command(KEYS_HINT, CMD_HINT)
    p.expect("normal", PLAY, moves + " H")
    p.command(KEYS_UNDO, CMD_UNDO)  # takes the hint and the pair back
    p.expect("normal", PLAY)
    p.command(KEYS_HINT, CMD_HINT)
    p.expect("normal", PLAY, "H")
    p.answer(p.command(KEYS_NEW_GAME, CMD_NEW_GAME), "新しいゲーム", "Return", "yes")
    p.expect("normal", PLAY)  # the same seed again, and no hint

    p.marks(p.command(KEYS_NORMAL, CMD_NORMAL), CMD_NORMAL, CMD_SOUND_ON, CMD_MINI)
    p.expect("normal", PLAY)
    p.marks(p.command(KEYS_EASY, CMD_EASY), CMD_EASY, CMD_SOUND_ON, CMD_MINI)
    p.expect("easy", PLAY)
    for keys, command in (KEYS_LARGE, CMD_LARGE), (KEYS_MINI, CMD_MINI), (KEYS_LARGE, CMD_LARGE):
        p.resized(p.command(keys, command))
        p.expect("easy", PLAY)

    # While the question waits the clock ticks; No goes on, a signal ends it.
    mark = p.command(KEYS_QUIT, CMD_QUIT)
    p.wait_line(r"frame \d+ .*", p.wait_line_index(r"messagebox .* 終了", mark)[0])
    p.answer(mark, "終了", "Escape", "no")
    mark = p.command(KEYS_QUIT, CMD_QUIT)
    p.wait_line(r"messagebox .* 終了", mark)
    p.process.send_signal(SIGTERM)
    check(p.wait_exit(2.0) == 0, "exit code 0 within 2 s of SIGTERM")
    check(p.find_line("sound stop", mark) and p.file(SCORE) == score_file(
        difficulty=CMD_EASY, layout=CMD_LARGE), "saved: %r" % p.file(SCORE))
    tries = [l for l in p.lines() if l.startswith(("sound silent", "sound loop"))]
    check(len(tries) > 5 and sum(l.startswith("sound silent") for l in tries) == 1,
          "without an audio device, one try to open it: %s" % tries)


def three_clears_the_name_dialog_and_a_signal_in_it(build, work):
    Path(work, SCORE).write_bytes(score_file(difficulty=CMD_EASY))
    p = Program(build, work, CLEAR_TIME)
    pairs, left = p.tool.hint_path("mini", "easy", CLEAR)
    check(left == 0 and len(pairs) == 36, "the hint clears this deal")
    for pair in pairs:
        p.command(KEYS_HINT, CMD_HINT)
        p.clicks(cells=pair)
    p.shown_during("clear.wav", "easy", CLEAR, moves_text(pairs))
    dialog = p.wait_line(r"dialog (0x\w+) ハイスコア", timeout=15)[1]
    p.played("loop.wav")
    p.played("clear.wav")
    xdotool("windowfocus", "--sync", dialog, "type", "--delay", 40, "ﾃｽ名前です")  # its last text
    p.keys("Return", window=dialog)
    p.wait_line(r"dialog ok ﾃｽ名前です")
    p.answer(0, "ハイスコア", "Return", "ok")

    # Without sound, no jingle. The name confirmed before is offered, selected, and kept
    # when a signal ends the program while the dialog is up.
    p.marks(p.command(KEYS_SOUND_OFF, CMD_SOUND_OFF), CMD_EASY, CMD_SOUND_OFF, CMD_MINI)
    for key in "Return", "x":
        mark = p.command(KEYS_NEW_GAME, CMD_NEW_GAME)
        p.answer(mark, "新しいゲーム", "Return", "yes")
        p.clicks(cells=cells_of(pairs))
        p.keys(key, window=p.wait_line(r"dialog (0x\w+) ハイスコア", mark, timeout=15)[1])
        check(p.find_line(r"sound once .*", mark) is None, "a jingle with the sound off")
        if key == "Return":
            p.wait_line(r"dialog ok ﾃｽ名前で", mark)
            p.answer(mark, "ハイスコア", "Return", "ok")
    p.process.send_signal(SIGINT)  # Ctrl+C in the terminal
    check(p.wait_exit(2.0) == 0, "exit code 0 within 2 s of SIGINT")
    data = p.file(SCORE)
    times = [seconds for seconds, _ in records_of(data)[:3]]
    check(times == sorted(times) and data == score_file(
        [record(t, NAME) for t in times] + [DEFAULT_RECORD] * 3, CMD_EASY, CMD_SOUND_OFF),
          "three clears, fastest first, and the options: %r" % data)


def a_stuck_game_at_double_scale_while_another_holds_the_file(build, work):
    held = score_file([record(77, b"held\0\0\0\0\0\0")] + [DEFAULT_RECORD] * 5, CMD_EASY,
                      CMD_SOUND_OFF, CMD_LARGE)
    Path(work, SCORE).write_bytes(held)
    with open(Path(work, SCORE), "rb") as holder:
        fcntl.flock(holder, fcntl.LOCK_EX)
        p = Program(build, work, STUCK_TIME, scale=2)
        check(p.find_line(r"scale 2") and p.layout == "mini", "scale 2, mini in game pixels")
        p.expect("normal", STUCK)
        p.command(KEYS_EASY, CMD_EASY)
        p.expect("easy", STUCK)
        pairs, left = p.tool.hint_path("mini", "easy", STUCK)
        check(left == 38 and len(pairs) == 17, "the hint leaves this deal stuck")
        p.clicks(cells=cells_of(pairs))
        p.shown_during("game_over.wav", "easy", STUCK, moves_text(pairs))
        p.answer(0, "Tovrinみに", "Return", "ok")  # the game is over
        p.played("game_over.wav")
        p.expect("easy", STUCK, moves_text(pairs))
        p.clicks(cells=[(0, 0)])
        p.expect("easy", STUCK, moves_text(pairs))
        seen = [l[:10] for l in p.lines() if l.startswith(("messagebox", "clock"))]
        check(seen == ["clock star", "clock star", "clock stop", "messagebox"],
              "the clock stops; one box: %s" % seen)
        p.answer(p.command(KEYS_QUIT, CMD_QUIT), "終了", "Return", "yes")
        check(p.wait_exit() == 0, "exit code 0 after Quit")
        check(p.file(SCORE) == held, "the held file changed")


def main(build, *names):
    root, server = tempfile.mkdtemp(prefix="tovrin-gtk-e2e-"), start_xvfb("2560x1280")
    primary_monitor_at(1280, 256)  # not at the origin
    stories = (a_normal_game_its_menus_and_a_signal_at_the_quit_question,
               three_clears_the_name_dialog_and_a_signal_in_it,
               a_stuck_game_at_double_scale_while_another_holds_the_file)

    def run(story):
        os.makedirs(os.path.join(root, story.__name__, "tovrin-mini"))
        story(build, os.path.join(root, story.__name__))

    try:
        return run_stories("gtk-e2e", [s for s in stories if not names or s.__name__ in names],
                           run, root)
    finally:
        server.terminate()


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1]), *sys.argv[2:]))

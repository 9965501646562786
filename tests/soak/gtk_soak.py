"""gtk_soak.py BUILD-DIR [SECONDS]: the real GTK program, from a sanitizer build, under
random play for SECONDS (180 unless told): clicks, keys and menu choices through xdotool,
every box and the name dialog answered at random (a quit, by key or through the menu, is
always taken back). It must stay alive and answer at the end, print no sanitizer report
(leaks at exit included, bar the toolkit libraries' own), grow its resident memory by
less than 2 MB from a third of the run to its end, and leave a valid score file. Before
play it shows the large layout and each box once, so that memory the toolkit keeps from
a first showing on is held before the measure, whenever random play would first get
there."""

import os, random, re, shutil, subprocess, sys, tempfile, time
from pathlib import Path

sys.path[:0] = [str(Path(__file__).resolve().parents[1] / "e2e/gtk")]
from stories import Program  # noqa: E402 - and, through it, the shared e2e helpers
import game_facts as g  # noqa: E402
from desktop import start_xvfb, xdotool  # noqa: E402

KEYS = [g.KEYS_NEW_GAME, g.KEYS_UNDO, g.KEYS_HINT, g.KEYS_HIGH_SCORE, g.KEYS_EASY, g.KEYS_NORMAL,
        g.KEYS_SOUND_OFF, ("alt+o", "o"), g.KEYS_MINI, g.KEYS_LARGE, ("alt+h", "a"), ("Escape",)]
ANSWERS = [("Return",), ("Escape",), ("alt+y",), ("alt+n",), ("Tab", "Return")]
QUIT = "終了"  # the quit question's caption
TROUBLE = (subprocess.CalledProcessError, g.Failure)  # a box closed under the input


class Game(Program):
    def __init__(self, build, work, seconds):
        # The real clock, so that deals differ. A small quarantine: what it holds of the
        # memory freed, kept back for use-after-free checks, is resident, and with the
        # default 4 MB whatever large frames happened to be in it moved a sample by as
        # much; 1 MB holds no frame for long.
        super().__init__(build, work, None, lifetime=seconds + 60, SDL_AUDIODRIVER="dummy",
                         ASAN_OPTIONS="quarantine_size_mb=1")
        self.boxes = []

    def rss_kb(self, settled=False):
        """Resident memory; settled, in the mini layout, since the large one's frames are
        bigger (a menu left open is closed first)."""
        try:
            settled and (self.keys("Escape", *g.KEYS_MINI), time.sleep(1))
        except TROUBLE:
            pass
        return int(re.search(r"VmRSS:\s+(\d+)", Path("/proc/%d/status" % self.process.pid)
                             .read_text()).group(1))

    def warm_up(self):
        for layout in (g.KEYS_LARGE, g.KEYS_MINI):
            mark = self.mark()
            self.keys(*layout)
            self.resized(mark)
            for box in (g.KEYS_HIGH_SCORE, ("alt+h", "a")):
                mark = self.mark()
                self.keys(*box)
                self.keys("Return", window=self.wait_line(r"messagebox (0x\w+) .*", mark)[1])
        self.quit_box("Escape")

    def quit_box(self, answer):
        mark = self.mark()
        self.keys(*g.KEYS_QUIT)
        self.keys(answer, window=self.wait_line(r"messagebox (0x\w+) " + QUIT, mark)[1])

    def step(self, seen, play=True):
        """One random input, then an answer to every box and dialog opened since line seen."""
        area = [int(n) for n in self.last_before(r"size (\d+) (\d+)").groups()]
        area[1] += int(self.last_before(r"offset -?\d+ (-?\d+)")[1])  # the menu bar too
        if play and random.random() < 0.02:
            self.quit_box("Escape")  # the player thinks again
        elif play and random.random() < 0.7:
            xdotool("mousemove", "--window", self.window, *map(random.randrange, area), "click", 1)
        elif play:
            self.keys(*random.choice(KEYS))
        lines = self.lines()
        self.boxes += re.findall(r"^(messagebox|dialog) (0x\w+) ?(.*)", "\n".join(lines[seen:]),
                                 re.M)
        for kind, box, caption in list(self.boxes):
            try:  # until it has gone
                if kind == "dialog" and random.random() < 0.7:
                    xdotool("windowfocus", "--sync", box, "type", "--delay", 40,
                            random.choice(["ﾃｽﾄ", "名前です名前", "x" * 20, "&_~\\"]))
                self.keys(*random.choice(ANSWERS) if caption != QUIT else ("Escape",), window=box)
            except subprocess.CalledProcessError:
                self.boxes.remove((kind, box, caption))
        return len(lines)


def main(build, seconds):
    work, server = tempfile.mkdtemp(prefix="tovrin-gtk-soak-"), start_xvfb()
    p = Game(build, work, seconds)
    try:
        p.warm_up()  # its boxes are answered: play looks only at the lines after it
        start, seen, warm, inputs, trace = time.monotonic(), p.mark(), 0, 0, []
        while time.monotonic() - start < seconds + 1 and p.process.poll() is None:
            elapsed = time.monotonic() - start
            warm = warm or (elapsed > seconds / 3 and p.rss_kb(settled=True))
            trace += [p.rss_kb() // 1024] if elapsed > 10 * len(trace) else []
            try:  # the last second only answers what is still open
                seen, inputs = p.step(seen, elapsed < seconds), inputs + (elapsed < seconds)
            except TROUBLE:
                pass
        growth = (p.rss_kb(True) - warm) / 1024 if p.process.poll() is None else float("nan")
        print("gtk-soak: %d inputs in %d s, RSS %d kB after %d s, then %+.2f MB (MB every 10 s: "
              "%s)" % (inputs, seconds, warm, seconds // 3, growth, " ".join(map(str, trace))))
        for attempt in range(3):  # it still answers, once a menu left open is closed
            try:
                p.keys("Escape", "Escape")
                p.quit_box("Return")
                break
            except TROUBLE:
                pass
        code, output = p.wait_exit(20), Path(work, "output.txt").read_text("utf-8", "replace")
        score = Path(work, "tovrin-mini", g.FILE_NAME).read_bytes()
        options = [int.from_bytes(score[86 + 4 * i:90 + 4 * i], "little") for i in range(3)]
        faults = [what for what, bad in [
            ("exit code %s" % code, code != 0), ("memory grew %.2f MB" % growth, not growth < 2),
            ("a sanitizer report", re.search(r"Sanitizer|runtime error", output)),
            ("a bad score file", len(score) != 98 or score[:2] != b"\x12\xf0" or any(
                w - first not in (0, 1)
                for w, first in zip(options, (g.CMD_EASY, g.CMD_SOUND_ON, g.CMD_MINI))))] if bad]
        print("gtk-soak: " + (", ".join(faults) or "ok"))
        faults or shutil.rmtree(work, ignore_errors=True)
        return 1 if faults else 0
    finally:
        p.process.kill()
        server.terminate()


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 180))

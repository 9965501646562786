"""The real GTK program, from a sanitizer build, under random play: clicks,
keys and menu choices through xdotool, every box and the name dialog answered
at random (a quit is always taken back). It must stay alive and answer at
the end, print no sanitizer report, grow its resident memory by less than
2 MB from a third of the run to its end, and leave a valid score file.

    python3 tests/soak/gtk_soak.py BUILD-DIR [SECONDS]    (180 unless told)"""

import os, random, re, shutil, subprocess, sys, time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, "../e2e/gtk"), os.path.join(HERE, "../e2e/common")]
import game_facts as g, harness  # noqa: E402
from score_file import option_words  # noqa: E402

KEYS = [g.KEYS_NEW_GAME, g.KEYS_UNDO, g.KEYS_HINT, g.KEYS_HIGH_SCORE, g.KEYS_EASY, g.KEYS_NORMAL,
        g.KEYS_SOUND_OFF, ("alt+o", "o"), g.KEYS_MINI, g.KEYS_LARGE, ("alt+h", "a"), ("Escape",)]
ANSWERS = [("Return",), ("Escape",), ("alt+y",), ("alt+n",), ("Tab", "Return")]
TROUBLE = (subprocess.CalledProcessError, harness.Failure)  # a box closed before its answer


def rss_kb(p):
    with open("/proc/%d/status" % p.process.pid) as status:
        return int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))


def quit_box(p, answer):
    mark = p.mark()
    p.keys(*g.KEYS_QUIT)
    p.keys(answer, window=p.wait_line(r"messagebox (0x\w+) 終了", mark).group(1))


def step(p, seen, play=True):
    """One random input, then an answer to every box and dialog opened since line seen."""
    size = [int(n) for n in p.last_before(r"size (\d+) (\d+)").groups()]
    if play and random.random() < 0.02:
        quit_box(p, "Escape")  # the player thinks again
    elif play and random.random() < 0.7:
        harness.xdotool("mousemove", "--window", p.window, *(str(random.randrange(
            p.offset[i] + size[i] + 20)) for i in (0, 1)), "click", "1")
    elif play:
        p.keys(*random.choice(KEYS))
    lines = p.lines()
    for kind, box in re.findall(r"^(messagebox|dialog) (0x\w+)", "\n".join(lines[seen:]), re.M):
        if kind == "dialog" and random.random() < 0.7:
            p.type_text(random.choice(["ﾃｽﾄ", "名前です名前", "x" * 20, "&_~\\"]), box)
        p.keys(*random.choice(ANSWERS), window=box)
    return len(lines)


def main(build, seconds):
    # A small quarantine, so that the memory freed and held for use-after-free checks settles early.
    os.environ["ASAN_OPTIONS"] = "verify_asan_link_order=0:detect_leaks=0:quarantine_size_mb=4"
    display, work = harness.Display(), harness.temporary_root()
    p = harness.Program(display, os.path.abspath(build + "/platform/gtk/tovrin-mini"), work, "+0",
                        audio_driver="dummy", lifetime=seconds + 60)
    try:
        p.wait_ready()
        start, seen, warm, inputs, trace = time.monotonic(), 0, 0, 0, []
        while time.monotonic() - start < seconds and p.running():
            warm = warm or (time.monotonic() - start > seconds / 3 and rss_kb(p))
            trace += [rss_kb(p) // 1024] if time.monotonic() - start > 10 * len(trace) else []
            try:
                seen, inputs = step(p, seen), inputs + 1
            except TROUBLE:
                seen = len(p.lines())
        time.sleep(1)
        try:
            step(p, seen, play=False)
        except TROUBLE:
            pass
        growth = (rss_kb(p) - warm) / 1024 if p.running() else float("nan")
        quit_box(p, "Return")  # it still answers
        code, report, score = p.wait_exit(20), open(work + "/stderr.txt").read(), p.score_bytes()
        faults = [what for what, bad in [
            ("exit code %s" % code, code != 0), ("memory grew %.2f MB" % growth, not growth < 2),
            ("a sanitizer report", re.search(r"Sanitizer|runtime error", report)),
            ("a bad score file", len(score) != 98 or score[:2] != b"\x12\xf0" or any(
                w - first not in (0, 1) for w, first in zip(option_words(score), (32777, 32779, 32781))))]
            if bad]
        print("gtk-soak: %d inputs in %d s, RSS %d kB after %d s, then %+.2f MB (MB every 10 s: %s): %s"
              % (inputs, seconds, warm, seconds // 3, growth, " ".join(map(str, trace)),
                 ", ".join(faults) or "ok"))
        faults or shutil.rmtree(work, ignore_errors=True)
        return 1 if faults else 0
    finally:
        p.stop()
        display.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 180))

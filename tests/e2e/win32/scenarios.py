"""The end-to-end stories. Each starts tovrin-mini.exe afresh in the run's
Wine prefix, plays through the real window with the mouse and the keyboard,
and checks what a player would notice: the frame, the boxes, the window's
place, the score file."""

import os
import time

from game_facts import (CLEAR_TIME, CMD_EASY, CMD_LARGE, CMD_NORMAL, CMD_SOUND_OFF, FAKED_EPOCH,
                        FAKED_TIME, LAYOUTS, cell_centre, epoch, first_legal_pair,
                        score_file_bytes, score_file_path)
from harness import (DEADLINE, SCREEN, Failure, Program, check, differences, png_pixels,
                     wait_until)

# Menu commands by keyboard: Alt and the drop-down's mnemonic, then the item's.
KEYS_NEW_GAME = ("alt+f", "n")
KEYS_HIGH_SCORE = ("alt+f", "s")
KEYS_QUIT = ("alt+f", "q")
KEYS_EASY = ("alt+o", "e")
KEYS_NORMAL = ("alt+o", "n")
KEYS_SOUND_OFF = ("alt+o", "f")
KEYS_LARGE = ("alt+o", "l")
# In a Yes/No box Enter presses the default button, Yes; "n" is No's mnemonic.
ANSWER_YES = "Return"
ANSWER_NO = "n"
ANSWER_OK = "Return"


class Context:
    def __init__(self, display, exe, renderer, work):
        self.display = display
        self.exe = exe
        self.renderer = renderer
        self.work = work
        self.figures = {}
        self.programs = []

    def start(self, name, faked_time=FAKED_TIME):
        program = Program(self.display, self.exe, self.work, name, faked_time)
        self.programs.append(program)
        return program


# ---- Steps ------------------------------------------------------------------------


def wait_first_frame(ctx, p, faked_time=FAKED_TIME):
    """Waits for the first frame; checks the seed it was dealt from. A
    program that finds Wine's desktop process ending waits 10 s for a new
    one, hence the longer deadline (the Wine session keeps that process)."""
    index, _ = p.wait_line(r"frame 1 \d+x\d+", timeout=2 * DEADLINE)
    seed = int(p.last_before(r"time (\d+)", index + 1).group(1))
    check(seed == epoch(faked_time), "the deal's time is %d, not the faked %d: the faked clock "
          "does not reach the program under Wine" % (seed, epoch(faked_time)))
    return index


def check_placement(p, layout, before):
    """The window is centred for the layout, and its client area holds the
    layout's drawing."""
    (x, y, width, height), client, _ = p.geometry(before)
    min_width, min_height = LAYOUTS[layout]["min_client"]
    check(client[0] >= min_width and client[1] >= min_height,
          "%s client area %dx%d is smaller than %dx%d" % (layout, client[0], client[1],
                                                           min_width, min_height))
    outer_width, outer_height = LAYOUTS[layout]["outer"]
    check(width >= outer_width and height >= outer_height,
          "%s window %dx%d is smaller than %dx%d" % (layout, width, height, outer_width,
                                                     outer_height))
    # Centred; a window grown for larger decorations may be off by one.
    centre = (2 * x + width, 2 * y + height)
    check(abs(centre[0] - SCREEN[0]) <= 1 and abs(centre[1] - SCREEN[1]) <= 1,
          "%s window at %d,%d size %dx%d is not centred" % (layout, x, y, width, height))


def expect_frame(ctx, p, layout, difficulty, moves=""):
    """The whole client area shows the renderer's frame for the deal after
    moves, the clock's digits aside."""
    _, client, offset = p.geometry(p.mark())
    png = ctx.renderer.frame(layout, difficulty, FAKED_EPOCH, client, moves)
    expected = png_pixels(png)
    masks = [LAYOUTS[layout]["clock"]]
    last = {}

    def matches():
        shown = ctx.display.steady_grab(offset[0], offset[1], client[0], client[1])
        last["result"] = differences(shown, expected, client[0], client[1], masks)
        return last["result"][0] == 0

    try:
        wait_until(matches, "the frame of %s" % os.path.basename(png))
    except Failure:
        count, first = last["result"]
        raise Failure("%d pixels differ from %s; first at client %d,%d: shown %s, expected %s" %
                      ((count, os.path.basename(png)) + first))


def client_click(ctx, p, layout, col=None, row=None):
    """Clicks a cell, or with no cell a spot of the panel away from it."""
    _, _, offset = p.geometry(p.mark())
    x, y = cell_centre(layout, col, row) if col is not None else (5, 5)
    ctx.display.click(offset[0] + x, offset[1] + y)


def focus_main(ctx, p, layout):
    """Clicks the panel away from the board and waits until the program has
    the click: its window is then active and takes the keys. After a box
    closes, Wine hands the focus back to the window a little later."""
    mark = p.mark()
    client_click(ctx, p, layout)
    p.wait_line(r"click 5 5", mark)


def menu_command(ctx, p, layout, keys, wait_for=None):
    """Gives a menu command by keyboard; waits for a report line it causes."""
    focus_main(ctx, p, layout)
    mark = p.mark()
    ctx.display.keys(*keys)
    if wait_for:
        return p.wait_line(wait_for, mark)
    return None


def answer_box(ctx, p, layout, keys, caption, answer_key, answer):
    """Opens a box by keyboard, checks its caption, answers it, and waits
    for the answer to reach the game."""
    focus_main(ctx, p, layout)
    mark = p.mark()
    ctx.display.keys(*keys)
    p.wait_line("messagebox " + caption, mark)
    # The line comes just before the box: wait until it shows, and type
    # into it.
    ctx.display.focus(ctx.display.wait_window(caption))
    ctx.display.keys(answer_key)
    p.wait_line("messagebox closed " + answer, mark)


def clear_board(ctx, p, layout, pairs):
    """Picks every pair in turn."""
    _, _, offset = p.geometry(p.mark())
    points = []
    for pair in pairs:
        for col, row in pair:
            x, y = cell_centre(layout, col, row)
            points.append((offset[0] + x, offset[1] + y))
    ctx.display.clicks(points)


def read_score_file():
    with open(score_file_path(), "rb") as score_file:
        return score_file.read()


# ---- Stories ----------------------------------------------------------------------


def first_start_and_play(ctx):
    """No score file: it is made with the defaults; the known deal shows;
    a pair goes; the confirmations take both answers; options switch the
    layout, the deal and the sound; Quit saves them."""
    if os.path.exists(score_file_path()):
        os.remove(score_file_path())
    p = ctx.start("first-start")
    first = wait_first_frame(ctx, p)
    ctx.figures["start to first frame, first start in the prefix"] = "%.2f s" % (time.monotonic() - p.started)
    check_placement(p, "mini", first)
    check(read_score_file() == score_file_bytes(), "the new score file holds %s" %
          read_score_file().hex(" "))
    expect_frame(ctx, p, "mini", "normal")

    (c1, r1), (c2, r2) = first_legal_pair(ctx.renderer.board("mini", "normal", FAKED_EPOCH)[0])
    client_click(ctx, p, "mini", c1, r1)
    client_click(ctx, p, "mini", c2, r2)
    pair = "%d,%d %d,%d" % (c1, r1, c2, r2)
    expect_frame(ctx, p, "mini", "normal", pair)  # the counter shows 142

    answer_box(ctx, p, "mini", KEYS_NEW_GAME, "新しいゲーム", ANSWER_NO, "no")
    expect_frame(ctx, p, "mini", "normal", pair)
    answer_box(ctx, p, "mini", KEYS_NEW_GAME, "新しいゲーム", ANSWER_YES, "yes")
    expect_frame(ctx, p, "mini", "normal")  # the same seed, dealt anew

    answer_box(ctx, p, "mini", KEYS_QUIT, "終了", ANSWER_NO, "no")
    mark = p.mark()
    p.wait_line(r"frame \d+ \d+x\d+", mark)  # still running: the clock ticks on
    check(p.process.poll() is None, "the program ended after No")

    index, _ = menu_command(ctx, p, "mini", KEYS_LARGE, r"frame \d+ \d+x\d+")
    check_placement(p, "large", index)
    expect_frame(ctx, p, "large", "normal")
    menu_command(ctx, p, "large", KEYS_EASY, r"time \d+")
    expect_frame(ctx, p, "large", "easy")

    mark = p.mark()
    index, _ = menu_command(ctx, p, "large", KEYS_SOUND_OFF, r"time \d+")
    p.wait_line(r"frame \d+ \d+x\d+", index)
    check(p.find_line(r"sound loop \d+", mark) is None, "the loop started with sound off")
    expect_frame(ctx, p, "large", "easy")

    answer_box(ctx, p, "large", KEYS_QUIT, "終了", ANSWER_YES, "yes")
    check(p.wait_exit() == 0, "exit code %s after Quit" % p.process.returncode)
    p.wait_line("exit 0")
    saved = read_score_file()
    check(saved == score_file_bytes(CMD_EASY, CMD_SOUND_OFF, CMD_LARGE),
          "after Quit the score file holds %s" % saved.hex(" "))


def saved_options_and_closing(ctx):
    """Saved options (Easy, sound off, large) place the window and shape
    the deal; the high-score box opens and closes; closing from the frame
    asks nothing and still saves the options."""
    with open(score_file_path(), "wb") as score_file:
        score_file.write(score_file_bytes(CMD_EASY, CMD_SOUND_OFF, CMD_LARGE))
    p = ctx.start("saved-options")
    first = wait_first_frame(ctx, p)
    ctx.figures["start to first frame, second start"] = "%.2f s" % (time.monotonic() - p.started)
    check_placement(p, "large", first)
    expect_frame(ctx, p, "large", "easy")
    check(p.find_line(r"sound loop \d+") is None, "the loop started with sound off")

    answer_box(ctx, p, "large", KEYS_HIGH_SCORE, "ハイスコア", ANSWER_OK, "ok")
    menu_command(ctx, p, "large", KEYS_NORMAL, r"time \d+")
    expect_frame(ctx, p, "large", "normal")

    focus_main(ctx, p, "large")
    mark = p.mark()
    ctx.display.keys("alt+F4")
    check(p.wait_exit() == 0, "exit code %s after closing" % p.process.returncode)
    check(p.find_line(r"messagebox .*", mark) is None, "closing from the frame asked something")
    saved = read_score_file()
    check(saved == score_file_bytes(CMD_NORMAL, CMD_SOUND_OFF, CMD_LARGE),
          "after closing the score file holds %s" % saved.hex(" "))


def cleared_games_and_names(ctx):
    """Three clears of one Easy deal in one run: each plays the clear
    jingle and asks for a name. A long name is cut to nine bytes; the next
    dialog offers the last name selected, so typing replaces it, and
    half-width katakana are stored as Shift_JIS; Cancel keeps the name
    confirmed before. The Normal lines and the option words stay."""
    pairs, left = ctx.renderer.hint_path("mini", "easy", epoch(CLEAR_TIME))
    check(left == 0, "the Easy deal of %s no longer clears by hints (%d tiles stay): pick "
          "another CLEAR_TIME" % (CLEAR_TIME, left))
    options = score_file_bytes(CMD_EASY)
    with open(score_file_path(), "wb") as score_file:
        score_file.write(options)
    p = ctx.start("cleared", CLEAR_TIME)
    wait_first_frame(ctx, p, CLEAR_TIME)

    entries = [("Tovrin-Mini!", "ok"), ("\uff83\uff7d\uff84", "ok"), (None, "cancel")]  # ﾃｽﾄ
    for typed, closed in entries:
        mark = p.mark()
        clear_board(ctx, p, "mini", pairs)
        p.wait_line(r"dialog name-entry", mark)
        check(p.find_line(r"sound once \d+", mark), "no clear jingle before the name dialog")
        ctx.display.focus(ctx.display.wait_window("ハイスコア"))
        if typed:
            ctx.display.type(typed)
            ctx.display.keys("Return")
        else:
            ctx.display.keys("Escape")
        p.wait_line(r"dialog closed " + closed, mark)
        p.wait_line(r"messagebox ハイスコア", mark)
        ctx.display.focus(ctx.display.wait_window("ハイスコア"))
        ctx.display.keys(ANSWER_OK)
        p.wait_line(r"messagebox closed ok", mark)
        answer_box(ctx, p, "mini", KEYS_NEW_GAME, "新しいゲーム", ANSWER_YES, "yes")

    saved = read_score_file()
    names = sorted(saved[2 + 14 * i + 4:2 + 14 * i + 14].split(b"\0")[0] for i in range(3))
    check(names == sorted([b"Tovrin-Mi", b"\xc3\xbd\xc4", b"\xc3\xbd\xc4"]),
          "the Easy lines hold the names %s" % names)
    check(saved[44:] == options[44:], "the Normal lines or the option words changed: %s" %
          saved.hex(" "))


SCENARIOS = [first_start_and_play, saved_options_and_closing, cleared_games_and_names]

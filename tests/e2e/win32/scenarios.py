"""The end-to-end stories. Each starts tovrin-mini.exe afresh in the run's
Wine prefix, plays through the real window with the mouse and the keyboard,
and checks what a player would notice: the frame, the boxes, the window's
place, the score file."""

import os
import time

from board import first_legal_pair, moves_text
from checks import check
from game_facts import (CLEAR_TIME, CMD_EASY, CMD_LARGE, CMD_NORMAL, CMD_SOUND_OFF,
                        KEYS_EASY, KEYS_HIGH_SCORE, KEYS_LARGE, KEYS_NEW_GAME, KEYS_NORMAL,
                        KEYS_QUIT, KEYS_SOUND_OFF, LAYOUTS, PLAY_TIME, cell_centre, epoch,
                        seed_for, time_mask)
from harness import DEADLINE, SCREEN, Program, score_file_path
from pixels import wait_for_pixels
from score_file import records_of, score_file

PLAY_SEED = seed_for(PLAY_TIME)
# The least outer size of the window for each layout: the drawing, the menu
# bar and the frame.
WINDOW_SIZES = {"mini": (490, 235), "large": (700, 570)}
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
        self.frames = 0

    def start(self, name, faked_time=PLAY_TIME):
        program = Program(self.display, self.exe, self.work, name, faked_time)
        self.programs.append(program)
        return program

    def expected(self, layout, difficulty, size, moves=""):
        """The renderer's frame of the Normal or Easy deal of PLAY_TIME after
        moves, at that client size, as a PNG in the work folder."""
        self.frames += 1
        out = os.path.join(self.work, "expected-%02d-%s-%s.png" %
                           (self.frames, layout, difficulty))
        return self.renderer.frame(out, layout, difficulty, PLAY_SEED, moves, size=size)


# ---- Steps ------------------------------------------------------------------------


def wait_first_frame(ctx, p, faked_time=PLAY_TIME):
    """Waits for the first frame; checks the seed it was dealt from. A
    program that finds Wine's desktop process ending waits 10 s for a new
    one, hence the longer deadline (the Wine session keeps that process)."""
    index, _ = p.wait_line_index(r"frame 1 \d+x\d+", timeout=2 * DEADLINE)
    seed = int(p.last_before(r"time (\d+)", index + 1).group(1))
    check(seed == epoch(faked_time), "the deal's time is %d, not the faked %d: the faked clock "
          "does not reach the program under Wine" % (seed, epoch(faked_time)))
    return index


def check_placement(p, layout, before):
    """The window is centred for the layout, and its client area holds the
    layout's drawing."""
    (x, y, width, height), client, _ = p.geometry(before)
    min_width, min_height = LAYOUTS[layout]["client"]
    check(client[0] >= min_width and client[1] >= min_height,
          "%s client area %dx%d is smaller than %dx%d" % (layout, client[0], client[1],
                                                           min_width, min_height))
    outer_width, outer_height = WINDOW_SIZES[layout]
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
    wait_for_pixels(lambda: ctx.display.steady_grab(offset[0], offset[1], client[0], client[1]),
                    ctx.expected(layout, difficulty, client, moves), client, time_mask(layout),
                    DEADLINE, step=0.05)


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
        return p.wait_line_index(wait_for, mark)
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
    with open(score_file_path(), "rb") as stored:
        return stored.read()


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
    check(read_score_file() == score_file(), "the new score file holds %s" %
          read_score_file().hex(" "))
    expect_frame(ctx, p, "mini", "normal")

    legal = first_legal_pair(ctx.renderer.board("mini", "normal", PLAY_SEED)[0])
    (c1, r1), (c2, r2) = legal
    client_click(ctx, p, "mini", c1, r1)
    client_click(ctx, p, "mini", c2, r2)
    pair = moves_text([legal])
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
    check(saved == score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF, layout=CMD_LARGE),
          "after Quit the score file holds %s" % saved.hex(" "))


def saved_options_and_closing(ctx):
    """Saved options (Easy, sound off, large) place the window and shape
    the deal; the high-score box opens and closes; closing from the frame
    asks nothing and still saves the options."""
    with open(score_file_path(), "wb") as out:
        out.write(score_file(difficulty=CMD_EASY, sound=CMD_SOUND_OFF, layout=CMD_LARGE))
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
    check(saved == score_file(difficulty=CMD_NORMAL, sound=CMD_SOUND_OFF, layout=CMD_LARGE),
          "after closing the score file holds %s" % saved.hex(" "))


def cleared_games_and_names(ctx):
    """Three clears of one Easy deal in one run: each plays the clear
    jingle and asks for a name. A long name is cut to nine bytes; the next
    dialog offers the last name selected, so typing replaces it, and
    half-width katakana are stored as Shift_JIS; Cancel keeps the name
    confirmed before. The Normal lines and the option words stay."""
    pairs, left = ctx.renderer.hint_path("mini", "easy", seed_for(CLEAR_TIME))
    check(left == 0, "the Easy deal of %s no longer clears by hints (%d tiles stay): pick "
          "another CLEAR_TIME" % (CLEAR_TIME, left))
    options = score_file(difficulty=CMD_EASY)
    with open(score_file_path(), "wb") as out:
        out.write(options)
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
    names = sorted(record[4:].split(b"\0")[0] for record in records_of(saved)[:3])
    check(names == sorted([b"Tovrin-Mi", b"\xc3\xbd\xc4", b"\xc3\xbd\xc4"]),
          "the Easy lines hold the names %s" % names)
    check(saved[44:] == options[44:], "the Normal lines or the option words changed: %s" %
          saved.hex(" "))


SCENARIOS = [first_start_and_play, saved_options_and_closing, cleared_games_and_names]

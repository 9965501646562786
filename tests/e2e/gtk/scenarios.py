"""The end-to-end scenarios: each starts tovrin-mini afresh under Xvfb with
its own data directory and plays one story through the real window, as a
player would, checking what a player would notice."""

import os
import subprocess

from board import moves_text
from checks import check, wait_until
from game_facts import (CLEAR_TIME, CMD_EASY, CMD_HINT, CMD_LARGE, CMD_MINI, CMD_NEW_GAME,
                        CMD_NORMAL, CMD_QUIT, CMD_SOUND_ON, CMD_UNDO, KEYS_EASY, KEYS_HINT,
                        KEYS_LARGE, KEYS_MINI, KEYS_NEW_GAME, KEYS_NORMAL, KEYS_QUIT, KEYS_UNDO,
                        LAYOUTS, PLAY_TIME, STUCK_TIME, cell_centre, seed_for, time_mask,
                        whole_area)
from harness import (DEFAULT_WAIT, SCREEN, Program, close_window, window_geometry,
                     window_name)
from pixels import crop, scaled
from score_file import DEFAULT_RECORD, option_words, records_of, score_file

PLAY_SEED = seed_for(PLAY_TIME)
CLEAR_SEED = seed_for(CLEAR_TIME)

# "ﾃｽ名前で" in Shift_JIS, in a name field that held "nobody".
NAME_BYTES = b"\xc3\xbd\x96\xbc\x91O\x82\xc5\0\0"


class Context:
    def __init__(self, display, tools, work):
        self.display = display
        self.tools = tools
        self.work = work
        self.figures = {}

    def start(self, faked_time=PLAY_TIME, **kwargs):
        self.program = Program(self.display, self.tools.program, self.work, faked_time, **kwargs)
        return self.program

    def expected(self, name, layout="mini", difficulty="normal", seed=PLAY_SEED, moves="",
                 seconds=None):
        return self.tools.renderer.frame(os.path.join(self.work, name + ".png"), layout,
                                         difficulty, seed, moves, seconds)


def expect_frame(ctx, p, layout="mini", moves="", difficulty="normal", seed=PLAY_SEED):
    """The whole drawing area shows the renderer's frame after moves, the
    clock's digits aside."""
    name = "expected-%s-%d" % (layout, p.shots)
    p.wait_pixels(ctx.expected(name, layout, difficulty, seed, moves), whole_area(layout),
                  time_mask(layout))


def marks(p, after=0):
    """The check marks of the option items as the menu shows them, once the
    game has handled the command past position after."""
    line = p.wait_line(r"marks (.*)", after).group(1)
    return dict((int(k), v == "1") for k, v in (pair.split("=") for pair in line.split()))


def wait_audio(p, samples):
    """Waits until the audio device has played these samples in a row."""
    wait_until(lambda: samples in p.audio_bytes(), "the sound's samples in the audio output",
               DEFAULT_WAIT)


def check_placement(p, layout):
    """The drawing area has the layout's size and the window is centred."""
    x, y, width, height = window_geometry(p.window)
    client_width, client_height = LAYOUTS[layout]["client"]
    check((width, height) == (client_width, p.offset[1] + client_height),
          "%s window %dx%d, menu bar %d high" % (layout, width, height, p.offset[1]))
    screen_width, screen_height = SCREEN
    check((x, y) == ((screen_width - width) // 2, (screen_height - height) // 2),
          "%s window at %d,%d" % (layout, x, y))


def answer_box(p, after, caption, keys, answer):
    """Waits for the message box with that caption past position after,
    answers it with keys and waits for the answer to reach the game."""
    box = p.wait_line(r"messagebox (0x[0-9a-f]+) %s" % caption, after).group(1)
    p.keys(*keys, window=box)
    p.wait_line(r"answer %s %s" % (answer, caption), after)


# ---- Scenarios -------------------------------------------------------------------


def without_a_display_it_says_so(ctx):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["XDG_DATA_HOME"] = os.path.join(ctx.work, "data")
    result = subprocess.run([ctx.tools.program], env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=10)
    check(result.returncode == 1, "exit code %d" % result.returncode)
    check(b"no display" in result.stderr, "message: %r" % result.stderr)
    check(not os.path.exists(env["XDG_DATA_HOME"]), "nothing written")


def first_frame_shows_the_deal(ctx):
    """Start: the dealt board, a fresh score file, the title, the tune."""
    p = ctx.start()
    ctx.figures["first frame (s)"] = p.wait_ready()
    check(p.wait_line(r"size (\d+) (\d+)").groups() == ("470", "186"), "mini client size")
    expect_frame(ctx, p)
    check(p.score_bytes() == score_file(), "default score file: %r" % p.score_bytes())
    check(window_name(p.window) == "Tovrinみに", "window title")
    # The clock runs: its digits come to show 3 seconds.
    three = crop(ctx.expected("three-seconds", seconds=3), LAYOUTS["mini"]["time_counter"],
                 os.path.join(ctx.work, "three-seconds-digits.png"))
    p.wait_pixels(three, LAYOUTS["mini"]["time_counter"], timeout=8)
    # The background tune reaches the audio device as it is.
    tune = ctx.tools.wave_samples("loop.wav")
    wait_audio(p, tune[:4000])


def clicks_remove_a_pair_and_hint_and_undo_use_the_menu(ctx):
    p = ctx.start()
    p.wait_ready()
    pairs, _ = ctx.tools.hint_path("normal", PLAY_SEED)
    (c1, r1), (c2, r2) = pairs[0]
    moves = moves_text(pairs[:1])
    rows, left = ctx.tools.renderer.board("mini", "normal", PLAY_SEED, moves)
    check(left == 142, "the renderer agrees the pair is legal")

    # The first pick highlights, the second removes the pair: 142 left.
    p.click(*cell_centre("mini", c1, r1))
    expect_frame(ctx, p, moves="%d,%d" % (c1, r1))
    p.click(*cell_centre("mini", c2, r2))
    expect_frame(ctx, p, moves=moves)
    counter = LAYOUTS["mini"]["tiles_counter"]
    wanted = crop(ctx.expected("after-pair", moves=moves), counter,
                  os.path.join(ctx.work, "counter-142.png"))
    p.wait_pixels(wanted, counter)

    # A click outside the board changes nothing.
    p.click(20, 20)
    expect_frame(ctx, p, moves=moves)

    # Hint from the menu highlights the next pair; undo takes the removal back.
    p.command(KEYS_HINT, CMD_HINT)
    expect_frame(ctx, p, moves=moves + " H")
    p.command(KEYS_UNDO, CMD_UNDO)
    expect_frame(ctx, p, moves=moves + " H U")
    expect_frame(ctx, p)


def new_game_and_quit_ask_first(ctx):
    p = ctx.start()
    p.wait_ready()
    pair = ctx.tools.hint_path("normal", PLAY_SEED)[0][0]
    (c1, r1), (c2, r2) = pair
    moves = moves_text([pair])
    p.click(*cell_centre("mini", c1, r1))
    p.click(*cell_centre("mini", c2, r2))
    expect_frame(ctx, p, moves=moves)

    # No keeps the game; Yes deals again (the frozen clock gives the same
    # seed, so the board is whole again).
    mark = p.command(KEYS_NEW_GAME, CMD_NEW_GAME)
    answer_box(p, mark, "新しいゲーム", ["alt+n"], "no")
    expect_frame(ctx, p, moves=moves)
    mark = p.command(KEYS_NEW_GAME, CMD_NEW_GAME)
    answer_box(p, mark, "新しいゲーム", ["Return"], "yes")
    expect_frame(ctx, p)

    # Quit: No goes on playing, Yes ends the program with exit code 0. While
    # the question waits, the clock ticks and the window repaints.
    mark = p.command(KEYS_QUIT, CMD_QUIT)
    p.wait_line(r"messagebox 0x[0-9a-f]+ 終了", mark)
    p.wait_line(r"frame \d+ .*", p.mark())
    answer_box(p, mark, "終了", ["Escape"], "no")
    p.wait_line(r"frame \d+ .*", p.mark())
    check(p.running(), "still running after No")
    mark = p.command(KEYS_QUIT, CMD_QUIT)
    answer_box(p, mark, "終了", ["Return"], "yes")
    check(p.wait_exit() == 0, "exit code 0 after Quit")
    check(p.score_bytes() == score_file(), "options unchanged: %r" % p.score_bytes())


def options_set_the_marks_and_are_saved_at_quit(ctx):
    p = ctx.start()
    p.wait_ready()
    check(marks(p) == {CMD_EASY: False, CMD_NORMAL: True, 32779: True, 32780: False,
                       CMD_MINI: True, CMD_LARGE: False}, "marks after start")

    # Picking the item already checked keeps its mark and the game.
    mark = p.command(KEYS_NORMAL, CMD_NORMAL)
    check(marks(p, mark)[CMD_NORMAL], "Normal still checked")
    expect_frame(ctx, p)

    # Easy deals an Easy game and moves the mark.
    mark = p.command(KEYS_EASY, CMD_EASY)
    got = marks(p, mark)
    check(got[CMD_EASY] and not got[CMD_NORMAL], "Easy checked, Normal not: %s" % got)
    expect_frame(ctx, p, difficulty="easy")

    mark = p.command(KEYS_QUIT, CMD_QUIT)
    answer_box(p, mark, "終了", ["Return"], "yes")
    check(p.wait_exit() == 0, "exit code 0")
    check(option_words(p.score_bytes()) == (CMD_EASY, CMD_SOUND_ON, CMD_MINI),
          "saved options %s" % (option_words(p.score_bytes()),))


def layout_switch_resizes_and_centres_the_window(ctx):
    p = ctx.start()
    p.wait_ready()
    check_placement(p, "mini")

    mark = p.command(KEYS_LARGE, CMD_LARGE)
    p.wait_line(r"size 648 504", mark)
    p.offset = p.current_offset()
    check_placement(p, "large")
    expect_frame(ctx, p, layout="large")

    mark = p.command(KEYS_MINI, CMD_MINI)
    p.wait_line(r"size 470 186", mark)
    p.offset = p.current_offset()
    check_placement(p, "mini")
    expect_frame(ctx, p, layout="mini")

    # The large layout saved and restored at the next start.
    p.command(KEYS_LARGE, CMD_LARGE)
    mark = p.command(KEYS_QUIT, CMD_QUIT)
    answer_box(p, mark, "終了", ["Return"], "yes")
    p.wait_exit()
    check(option_words(p.score_bytes())[2] == CMD_LARGE, "large layout saved")


def closing_from_the_frame_asks_nothing_and_saves(ctx):
    p = ctx.start()
    p.wait_ready()
    p.command(KEYS_EASY, CMD_EASY)
    close_window(ctx.tools.close_binary, p.window)
    check(p.wait_exit() == 0, "exit code 0")
    check(not any(l.startswith("messagebox") for l in p.lines()), "no question asked")
    check(option_words(p.score_bytes())[0] == CMD_EASY, "options saved")


def play_pairs(p, pairs, with_hint):
    for (c1, r1), (c2, r2) in pairs:
        if with_hint:
            p.command(KEYS_HINT, CMD_HINT)
        p.click(*cell_centre("mini", c1, r1))
        p.click(*cell_centre("mini", c2, r2))


def a_game_without_pairs_ends_in_a_box_even_without_sound(ctx):
    """No audio device: the game runs silent. The last pair removed, the
    game-over box comes from inside a paint, and later clicks are refused."""
    seed = seed_for(STUCK_TIME)
    p = ctx.start(STUCK_TIME, score_file=score_file(difficulty=CMD_EASY),
                  audio_driver="no-such-driver")
    p.wait_ready()
    p.wait_line(r"sound silent .*")
    pairs, ending = ctx.tools.hint_path("easy", seed)
    check(ending == "stuck 38", "this deal gets stuck: " + ending)
    play_pairs(p, pairs, with_hint=False)
    mark = p.mark()
    box = p.wait_line(r"messagebox (0x[0-9a-f]+) Tovrinみに").group(1)
    check(p.lines().count("clock stop") >= 1, "clock stopped")
    p.keys("Return", window=box)
    p.wait_line(r"answer ok Tovrinみに", mark)
    moves = moves_text(pairs)
    expect_frame(ctx, p, difficulty="easy", seed=seed, moves=moves)
    p.click(*cell_centre("mini", 0, 0))
    expect_frame(ctx, p, difficulty="easy", seed=seed, moves=moves)
    check(sum(l.startswith("messagebox") for l in p.lines()) == 1, "one box only")
    check(sum(l.startswith("sound silent") for l in p.lines()) == 1, "one try to open")


def a_cleared_game_enters_the_table(ctx):
    """An Easy game played to the end by the hint: the clear jingle, the name
    dialog, the file's new record and the table."""
    p = ctx.start(CLEAR_TIME, score_file=score_file(difficulty=CMD_EASY))
    p.wait_ready()
    pairs, ending = ctx.tools.hint_path("easy", CLEAR_SEED)
    check(ending == "clear" and len(pairs) == 36, "the hint clears this deal")
    play_pairs(p, pairs, with_hint=True)

    dialog = p.wait_line(r"dialog (0x[0-9a-f]+) ハイスコア", timeout=15).group(1)
    clear = ctx.tools.wave_samples("clear.wav")
    wait_audio(p, clear[:4000])
    # 1 + 1 + 2 + 2 + 2 bytes fit in nine; the last character does not.
    p.type_text("ﾃｽ名前です", dialog)
    dialog_mark = p.mark()
    p.keys("Return", window=dialog)
    p.wait_line(r"dialog ok ﾃｽ名前です", dialog_mark)
    answer_box(p, dialog_mark, "ハイスコア", ["Return"], "ok")

    records = records_of(p.score_bytes())
    seconds = int.from_bytes(records[0][:4], "little")
    check(0 < seconds < 300, "clear time %d" % seconds)
    check(records[0][4:] == NAME_BYTES, "name %r" % records[0][4:])
    check(records[1:] == [DEFAULT_RECORD] * 5, "the other records unchanged")
    check(option_words(p.score_bytes()) == (CMD_EASY, CMD_SOUND_ON, CMD_MINI),
          "option words as read")

    # The same deal again (the clock stands still): the dialog offers the
    # name confirmed before, selected, and Enter keeps it.
    mark = p.command(KEYS_NEW_GAME, CMD_NEW_GAME)
    answer_box(p, mark, "新しいゲーム", ["Return"], "yes")
    play_pairs(p, pairs, with_hint=False)
    dialog = p.wait_line(r"dialog (0x[0-9a-f]+) ハイスコア", mark, timeout=15).group(1)
    dialog_mark = p.mark()
    p.keys("Return", window=dialog)
    p.wait_line(r"dialog ok ﾃｽ名前で", dialog_mark)
    answer_box(p, dialog_mark, "ハイスコア", ["Return"], "ok")
    records = records_of(p.score_bytes())
    times = [int.from_bytes(r[:4], "little") for r in records[:2]]
    check([r[4:] for r in records[:2]] == [NAME_BYTES] * 2 and times[0] <= times[1],
          "both clears in the table, fastest first: %r" % records[:2])
    check(records[2:] == [DEFAULT_RECORD] * 4, "places 3 and Normal unchanged")


def double_scale_shows_sharp_pixels_and_maps_clicks(ctx):
    p = ctx.start(scale=2)
    p.wait_ready()
    check(p.wait_line(r"scale (\d+)").group(1) == "2", "scale factor 2")
    check(p.wait_line(r"size (\d+) (\d+)").groups() == ("470", "186"), "size in game pixels")
    big = scaled(ctx.expected("first"), 2, os.path.join(ctx.work, "first-x2.png"))
    x, y, w, h = LAYOUTS["mini"]["time_counter"]
    p.wait_pixels(big, whole_area("mini"), [(2 * x, 2 * y, 2 * w, 2 * h)])
    (c1, r1), _ = ctx.tools.hint_path("normal", PLAY_SEED)[0][0]
    p.click(*cell_centre("mini", c1, r1))  # waits for the click in game pixels
    big = scaled(ctx.expected("picked", moves="%d,%d" % (c1, r1)), 2,
                 os.path.join(ctx.work, "picked-x2.png"))
    p.wait_pixels(big, whole_area("mini"), [(2 * x, 2 * y, 2 * w, 2 * h)])


SCENARIOS = [
    without_a_display_it_says_so,
    first_frame_shows_the_deal,
    clicks_remove_a_pair_and_hint_and_undo_use_the_menu,
    new_game_and_quit_ask_first,
    options_set_the_marks_and_are_saved_at_quit,
    layout_switch_resizes_and_centres_the_window,
    closing_from_the_frame_asks_nothing_and_saves,
    a_game_without_pairs_ends_in_a_box_even_without_sound,
    a_cleared_game_enters_the_table,
    double_scale_shows_sharp_pixels_and_maps_clicks,
]

"""What the end-to-end tests know about the game from outside, on either
desktop: the faked clock and the seeds it gives, the menu commands with their
ids and keys, and where cells and counters are in each layout."""

import calendar
import time

# ---- The faked clock -------------------------------------------------------------
# The wall clock stands still at one second while the program runs, so every
# deal of a run gets the same seed.

# 2026-12-24 09:00:01 UTC: a Normal deal to play on.
PLAY_TIME = "2026-12-24 09:00:01"
# 14 seconds later: an Easy deal that following the hint clears (found with
# tovrin-e2e-hint-path easy --search 1798102801 100000).
CLEAR_TIME = "2026-12-24 09:00:15"
# An Easy deal on which following the hint gets stuck after 17 pairs.
STUCK_TIME = "2026-12-24 09:00:17"


def epoch(faked_time):
    """time() at that second (UTC)."""
    return calendar.timegm(time.strptime(faked_time, "%Y-%m-%d %H:%M:%S"))


def seed_for(faked_time):
    """The deal's seed: the low 32 bits of time() at that second."""
    return epoch(faked_time) & 0xFFFFFFFF


# ---- Menu commands -----------------------------------------------------------------

CMD_EASY, CMD_NORMAL = 32777, 32778
CMD_SOUND_ON, CMD_SOUND_OFF = 32779, 32780
CMD_MINI, CMD_LARGE = 32781, 32782
CMD_UNDO, CMD_HINT, CMD_HIGH_SCORE, CMD_NEW_GAME, CMD_QUIT = 32772, 32773, 32774, 32775, 105

# By keyboard: Alt and the drop-down's mnemonic, then the item's.
KEYS_NEW_GAME = ("alt+f", "n")
KEYS_UNDO = ("alt+f", "u")
KEYS_HINT = ("alt+f", "h")
KEYS_HIGH_SCORE = ("alt+f", "s")
KEYS_QUIT = ("alt+f", "q")
KEYS_EASY = ("alt+o", "e")
KEYS_NORMAL = ("alt+o", "n")
KEYS_SOUND_OFF = ("alt+o", "f")
KEYS_MINI = ("alt+o", "m")
KEYS_LARGE = ("alt+o", "l")

# ---- Geometry in game pixels ---------------------------------------------------------
# client: the drawing's size; origin and pitch: the board's cells; the
# counters as (x, y, width, height).

LAYOUTS = {
    "mini": {"client": (470, 186), "origin": (80, 7), "pitch": (17, 22),
             "tiles_counter": (425, 105, 45, 18), "time_counter": (410, 160, 60, 18)},
    "large": {"client": (648, 504), "origin": (30, 90), "pitch": (34, 44),
              "tiles_counter": (200, 460, 108, 39), "time_counter": (480, 460, 144, 39)},
}


def cell_centre(layout, col, row):
    """A cell's centre in drawing coordinates."""
    (x, y), (px, py) = LAYOUTS[layout]["origin"], LAYOUTS[layout]["pitch"]
    return x + px * col + px // 2, y + py * row + py // 2


def whole_area(layout):
    w, h = LAYOUTS[layout]["client"]
    return (0, 0, w, h)


def time_mask(layout):
    """The clock's digits, which the tests cannot pin down to the second."""
    return [LAYOUTS[layout]["time_counter"]]

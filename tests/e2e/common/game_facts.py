"""What the tests know of the game on either desktop: clock, commands, layouts."""

import calendar
import time

# The faked wall clock stands still: every deal of a run gets the same seed.
PLAY_TIME = "2026-12-24 09:00:01"  # a Normal deal to play on
CLEAR_TIME = "2026-12-24 09:00:15"  # an Easy deal that following the hint clears
STUCK_TIME = "2026-12-24 09:00:17"  # an Easy deal the hint leaves stuck after 17 pairs


def epoch(faked_time):
    return calendar.timegm(time.strptime(faked_time, "%Y-%m-%d %H:%M:%S"))


def seed_for(faked_time):
    return epoch(faked_time) & 0xFFFFFFFF


# Menu commands, and their keys: Alt and the drop-down's mnemonic, then the item's.
CMD_EASY, CMD_NORMAL, CMD_SOUND_ON, CMD_SOUND_OFF, CMD_MINI, CMD_LARGE = range(32777, 32783)
CMD_UNDO, CMD_HINT, CMD_HIGH_SCORE, CMD_NEW_GAME, CMD_QUIT = 32772, 32773, 32774, 32775, 105
KEYS_NEW_GAME, KEYS_UNDO, KEYS_HINT, KEYS_HIGH_SCORE, KEYS_QUIT = (("alt+f", k) for k in "nuhsq")
KEYS_EASY, KEYS_NORMAL, KEYS_SOUND_OFF, KEYS_MINI, KEYS_LARGE = (("alt+o", k) for k in "enfml")

# In game pixels: the drawing's size, the board's cells, the counters (x, y, w, h).
LAYOUTS = {
    "mini": {"client": (470, 186), "origin": (80, 7), "pitch": (17, 22),
             "tiles_counter": (425, 105, 45, 18), "time_counter": (410, 160, 60, 18)},
    "large": {"client": (648, 504), "origin": (30, 90), "pitch": (34, 44),
              "tiles_counter": (200, 460, 108, 39), "time_counter": (480, 460, 144, 39)},
}


def cell_centre(layout, col, row):
    (x, y), (px, py) = LAYOUTS[layout]["origin"], LAYOUTS[layout]["pitch"]
    return x + px * col + px // 2, y + py * row + py // 2


def time_mask(layout):
    return [LAYOUTS[layout]["time_counter"]]

"""What the tests know of the game on either desktop: clock, commands, layouts; the
board as the render tool prints it and scans of it; the score file's bytes; the
render tool; checks, and waits that poll against a deadline, never sleeping a fixed time."""

import calendar
import struct
import subprocess
import time


class Failure(Exception):
    """A check that did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(predicate, what, timeout, step=0.05):
    """predicate()'s first true value; Failure naming what (or what()) after timeout."""
    end = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(step)
    return value


# The faked wall clock stands still: every deal of a run gets the same seed.
PLAY_TIME = "2026-12-24 09:00:01"  # a Normal deal to play on
CLEAR_TIME = "2026-12-24 09:00:15"  # an Easy deal that following the hint clears
STUCK_TIME = "2026-12-24 09:00:17"  # an Easy deal the hint leaves stuck after 17 pairs


def seed_for(faked_time):
    return calendar.timegm(time.strptime(faked_time, "%Y-%m-%d %H:%M:%S")) & 0xFFFFFFFF


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


# The board prints as rows of cell codes: a face, that face + HIGHLIGHT_OFFSET while
# picked or hinted, or EMPTY_CELL.
HIGHLIGHT_OFFSET, EMPTY_CELL, ROWS, COLUMNS = 36, 72, 8, 18


def parse_board(text):
    rows = [list(map(int, line.split())) for line in text.splitlines() if line[:1].isdigit()]
    if len(rows) != ROWS or any(len(row) != COLUMNS for row in rows) or "tilesLeft" not in text:
        raise Failure("unexpected board print:\n" + text)
    return rows, int(text.split("tilesLeft")[1])


def hint_pair(rows):
    """The hint's pair, or None: by columns, each top down, from each tile its row to
    the right, its column below, its up-right and down-right neighbour, nearest first."""
    for c, r in ((c, r) for c in range(COLUMNS) for r in range(ROWS) if rows[r][c] != EMPTY_CELL):
        for pc, pr in [(k, r) for k in range(c + 1, COLUMNS)] + [(c, k) for k in range(
                r + 1, ROWS)] + [(c + 1, r - 1), (c + 1, r + 1)]:
            if pc < COLUMNS and 0 <= pr < ROWS and rows[pr][pc] == rows[r][c]:
                return (c, r), (pc, pr)
    return None


def moves_text(pairs):
    return " ".join("%d,%d %d,%d" % (a + b) for a, b in pairs)


def cells_of(pairs):
    return [cell for pair in pairs for cell in pair]


# The score file: a two-byte mark, six records (three places for Easy, then three for
# Normal) of a 32-bit time and a ten-byte Shift_JIS name, the three option words.
FILE_NAME = "Dudazure2.hsc"


def record(seconds, name):
    return struct.pack("<I", seconds) + name


DEFAULT_RECORD = record(9999, b"nobody\0\0\0\0")


def score_file(records=None, difficulty=CMD_NORMAL, sound=CMD_SOUND_ON, layout=CMD_MINI):
    """The file with these records and options; by default as the game creates it."""
    records = records or [DEFAULT_RECORD] * 6
    return b"\x12\xf0" + b"".join(records) + struct.pack("<iii", difficulty, sound, layout)


def records_of(contents):
    """The six records as (seconds, the name up to its first NUL)."""
    return [(int.from_bytes(contents[at:at + 4], "little"), contents[at + 4:at + 14].split(
        b"\0")[0]) for at in range(2, 86, 14)]


class RenderTool:
    def __init__(self, binary):
        self.binary = binary

    def _run(self, layout, difficulty, seed, moves, *more):
        return subprocess.run([self.binary, "--layout", layout, "--difficulty", difficulty,
                               "--seed", str(seed), *more] + (["--moves", moves] if moves else []),
                              check=True, timeout=20, stdout=subprocess.PIPE, text=True).stdout

    def frame(self, out, layout, difficulty, seed, moves="", seconds=None, size=None):
        """Renders the frame after moves (the clock, the client size as given) to out."""
        self._run(layout, difficulty, seed, moves, "--out", out,
                  *(["--time", str(seconds)] if seconds is not None else []),
                  *(["--size", "%dx%d" % size] if size else []))
        return out

    def board(self, layout, difficulty, seed, moves=""):
        return parse_board(self._run(layout, difficulty, seed, moves, "--print-board"))

    def hint_path(self, layout, difficulty, seed):
        """The pairs the hint shows, by the tests' own scan, and the tiles left then."""
        pairs = []
        while pair := hint_pair(self.board(layout, difficulty, seed, moves_text(pairs))[0]):
            pairs.append(pair)
        return pairs, self.board(layout, difficulty, seed, moves_text(pairs))[1]

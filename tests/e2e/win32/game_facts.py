"""What the tests know of the game without asking the program: the layouts'
geometry, the score file's bytes, and the headless renderer, which draws the
frame a known deal must show."""

import calendar
import os
import subprocess
import time

from harness import DEADLINE, Failure

# The wall clock is frozen here while the program runs; each deal is seeded
# with the low 32 bits of time().
FAKED_TIME = "2026-12-24 09:00:01"
# An Easy deal that the hint alone leads to a clear.
CLEAR_TIME = "2026-12-24 09:00:15"


def epoch(faked_time):
    return calendar.timegm(time.strptime(faked_time, "%Y-%m-%d %H:%M:%S"))


FAKED_EPOCH = epoch(FAKED_TIME)

CMD_EASY, CMD_NORMAL = 32777, 32778
CMD_SOUND_ON, CMD_SOUND_OFF = 32779, 32780
CMD_MINI, CMD_LARGE = 32781, 32782

HIGHLIGHT_OFFSET = 36
EMPTY_CELL = 72

LAYOUTS = {
    "mini": {
        "outer": (490, 235),
        "min_client": (470, 186),
        "cell_origin": (80, 7),
        "pitch": (17, 22),
        "clock": (410, 160, 60, 18),  # the four digits of the time counter
    },
    "large": {
        "outer": (700, 570),
        "min_client": (648, 504),
        "cell_origin": (30, 90),
        "pitch": (34, 44),
        "clock": (480, 460, 144, 39),
    },
}


def cell_centre(layout, col, row):
    """A cell's centre in client coordinates."""
    (x, y), (px, py) = LAYOUTS[layout]["cell_origin"], LAYOUTS[layout]["pitch"]
    return x + px * col + px // 2, y + py * row + py // 2


def score_file_bytes(difficulty=CMD_NORMAL, sound=CMD_SOUND_ON, layout=CMD_MINI):
    """The file as the game creates it, with these option words."""
    record = (9999).to_bytes(4, "little") + b"nobody\0" + b"\0\0\0"
    options = b"".join(v.to_bytes(4, "little") for v in (difficulty, sound, layout))
    return b"\x12\xf0" + record * 6 + options


def score_file_path():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "Dudazure2.hsc")


def first_legal_pair(board):
    """Two cells of the same face in one row, in one column, or diagonal
    neighbours: the first such pair in reading order."""
    cells = [(c, r) for r in range(len(board)) for c in range(len(board[r]))
             if board[r][c] != EMPTY_CELL]
    for i, (c1, r1) in enumerate(cells):
        for c2, r2 in cells[i + 1:]:
            if board[r1][c1] != board[r2][c2]:
                continue
            if r1 == r2 or c1 == c2 or (abs(c1 - c2) == 1 and abs(r1 - r2) == 1):
                return (c1, r1), (c2, r2)
    raise Failure("the deal has no legal pair")


class Renderer:
    """The headless render tool: tovrin-mini-render."""

    def __init__(self, binary, work):
        self.binary = binary
        self.work = work
        self.count = 0

    def _run(self, layout, difficulty, seed, moves, size, out=None):
        out = out or os.path.join(self.work, "scratch.png")
        args = [self.binary, "--layout", layout, "--difficulty", difficulty, "--seed", str(seed),
                "--print-board", "--size", "%dx%d" % size, "--out", out]
        if moves:
            args += ["--moves", moves]
        return subprocess.run(args, check=True, timeout=DEADLINE, stdout=subprocess.PIPE,
                              text=True).stdout

    def frame(self, layout, difficulty, seed, size, moves=""):
        """Renders the frame after moves; returns the PNG's path."""
        self.count += 1
        out = os.path.join(self.work, "expected-%02d-%s-%s.png" % (self.count, layout, difficulty))
        self._run(layout, difficulty, seed, moves, size, out)
        return out

    def board(self, layout, difficulty, seed, moves=""):
        """The board after moves as rows of cell codes, and the tiles left."""
        text = self._run(layout, difficulty, seed, moves, LAYOUTS[layout]["min_client"])
        rows = [list(map(int, line.split())) for line in text.splitlines()
                if line and line[0].isdigit()]
        if len(rows) != 8 or any(len(row) != 18 for row in rows) or "tilesLeft" not in text:
            raise Failure("unexpected board print:\n" + text)
        return rows, int(text.split("tilesLeft")[1])

    def hint_path(self, layout, difficulty, seed):
        """The pairs a player picks who always takes the hint, until no tile
        or no pair is left; and the tiles left then. The game's own hint,
        read from the highlighted cells of the renderer's board."""
        pairs = []
        while True:
            moves = " ".join("%d,%d %d,%d" % (a + b) for a, b in pairs)
            rows, left = self.board(layout, difficulty, seed, (moves + " H").strip())
            shown = [(c, r) for r in range(8) for c in range(18)
                     if HIGHLIGHT_OFFSET <= rows[r][c] < EMPTY_CELL]
            if left == 0 or len(shown) != 2:
                return pairs, left
            pairs.append((shown[0], shown[1]))

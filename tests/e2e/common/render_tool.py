"""The headless render tool (tovrin-mini-render), which tells the tests what
the game will show: the frame of a known deal after moves, the board as
cell codes, and the pairs the hint shows one after the other."""

import subprocess

from board import highlighted, moves_text, parse_board

RUN_LIMIT = 20.0


class RenderTool:
    def __init__(self, binary):
        self.binary = binary

    def _run(self, layout, difficulty, seed, moves, *more):
        command = [self.binary, "--layout", layout, "--difficulty", difficulty,
                   "--seed", str(seed)] + list(more)
        if moves:
            command += ["--moves", moves]
        return subprocess.run(command, check=True, timeout=RUN_LIMIT, stdout=subprocess.PIPE,
                              text=True).stdout

    def frame(self, out, layout, difficulty, seed, moves="", seconds=None, size=None):
        """Renders the frame after moves (at seconds on the clock, at the
        client size given) to the PNG out; returns out."""
        more = ["--out", out]
        if seconds is not None:
            more += ["--time", str(seconds)]
        if size is not None:
            more += ["--size", "%dx%d" % size]
        self._run(layout, difficulty, seed, moves, *more)
        return out

    def board(self, layout, difficulty, seed, moves=""):
        """The board after moves as rows of cell codes, and the tiles left."""
        return parse_board(self._run(layout, difficulty, seed, moves, "--print-board"))

    def hint_path(self, layout, difficulty, seed):
        """The pairs a player picks who always takes the hint, until no tile
        or no pair is left; and the tiles left then. The game's own hint,
        read from the highlighted cells of the tool's board."""
        pairs = []
        while True:
            moves = (moves_text(pairs) + " H").strip()
            rows, left = self.board(layout, difficulty, seed, moves)
            shown = highlighted(rows)
            if left == 0 or len(shown) != 2:
                return pairs, left
            pairs.append((shown[0], shown[1]))

"""The render tool: the game's frame and board for a known deal after moves."""

import subprocess

from board import hint_pair, moves_text, parse_board


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

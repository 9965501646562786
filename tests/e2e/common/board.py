"""The board as the render tool prints it (--print-board): eight rows of
eighteen cell codes, a tile's face, that face plus HIGHLIGHT_OFFSET while
picked or hinted, or EMPTY_CELL; and the moves text the tool replays."""

from checks import Failure

HIGHLIGHT_OFFSET = 36
EMPTY_CELL = 72
ROWS, COLUMNS = 8, 18


def parse_board(text):
    """The rows of cell codes and the tiles left, from the tool's print."""
    rows = [list(map(int, line.split())) for line in text.splitlines()
            if line and line[0].isdigit()]
    if len(rows) != ROWS or any(len(row) != COLUMNS for row in rows) or "tilesLeft" not in text:
        raise Failure("unexpected board print:\n" + text)
    return rows, int(text.split("tilesLeft")[1])


def highlighted(rows):
    """The picked or hinted cells (col, row), in reading order."""
    return [(c, r) for r in range(ROWS) for c in range(COLUMNS)
            if HIGHLIGHT_OFFSET <= rows[r][c] < EMPTY_CELL]


def first_legal_pair(rows):
    """Two cells of the same face in one row, in one column, or diagonal
    neighbours: the first such pair in reading order."""
    cells = [(c, r) for r in range(len(rows)) for c in range(len(rows[r]))
             if rows[r][c] != EMPTY_CELL]
    for i, (c1, r1) in enumerate(cells):
        for c2, r2 in cells[i + 1:]:
            if rows[r1][c1] != rows[r2][c2]:
                continue
            if r1 == r2 or c1 == c2 or (abs(c1 - c2) == 1 and abs(r1 - r2) == 1):
                return (c1, r1), (c2, r2)
    raise Failure("the deal has no legal pair")


def moves_text(pairs):
    """Pairs of cells ((c1, r1), (c2, r2)) as the tool's --moves text."""
    return " ".join("%d,%d %d,%d" % (a + b) for a, b in pairs)

"""The board as the render tool prints it, rows of cell codes (a face, that
face + HIGHLIGHT_OFFSET while picked or hinted, or EMPTY_CELL), and scans."""

from checks import Failure

HIGHLIGHT_OFFSET, EMPTY_CELL, ROWS, COLUMNS = 36, 72, 8, 18


def parse_board(text):
    rows = [list(map(int, line.split())) for line in text.splitlines() if line[:1].isdigit()]
    if len(rows) != ROWS or any(len(row) != COLUMNS for row in rows) or "tilesLeft" not in text:
        raise Failure("unexpected board print:\n" + text)
    return rows, int(text.split("tilesLeft")[1])


def highlighted(rows):
    """The picked or hinted cells (col, row), in reading order."""
    return [(c, r) for r in range(ROWS) for c in range(COLUMNS)
            if HIGHLIGHT_OFFSET <= rows[r][c] < EMPTY_CELL]


def first_legal_pair(rows):
    """The first pair in reading order of one face in a row, a column or a diagonal step."""
    cells = [(c, r) for r in range(ROWS) for c in range(COLUMNS) if rows[r][c] != EMPTY_CELL]
    for i, (c1, r1) in enumerate(cells):
        for c2, r2 in cells[i + 1:]:
            if rows[r1][c1] == rows[r2][c2] and (c1 - c2) * (r1 - r2) in (0, 1, -1):
                return (c1, r1), (c2, r2)
    raise Failure("the deal has no legal pair")


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

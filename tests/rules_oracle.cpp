#include "tests/rules_oracle.h"

#include "tests/fake_desktop.h"

#include <cstdlib>
#include <iterator>
#include <sstream>

namespace {

std::optional<TileCode> At(const Rows& rows, Cell at) {
    if (at.row < 0 || at.row >= int(rows.size()) || at.col < 0 ||
        at.col >= int(rows[at.row].size()))
        return std::nullopt;
    return rows[at.row][at.col];
}

} // namespace

Rows ParseRows(const char* text) {
    Rows rows;
    std::istringstream in(text);
    for (std::string row; std::getline(in, row, '/');) {
        std::istringstream faces(row);
        rows.emplace_back(std::istream_iterator<TileCode>(faces),
                          std::istream_iterator<TileCode>());
    }
    return rows;
}

Board ToBoard(const Rows& rows) {
    Board board;
    board.fill(EMPTY_CELL);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c)
            board[c * BOARD_ROWS + r] = rows[r][c];
    }
    return board;
}

Rows FromBoard(const Board& board) {
    Rows rows(BOARD_ROWS);
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (board[i] != EMPTY_CELL)
            rows[i % BOARD_ROWS].push_back(board[i]);
    }
    std::erase_if(rows, [](const auto& row) { return row.empty(); });
    return rows;
}

Board ShownBoard(const Oracle& o) {
    Board board = ToBoard(o.rows);
    for (const auto& cell : {o.pick, o.hint ? std::optional(o.hint->first) : std::nullopt,
                             o.hint ? std::optional(o.hint->second) : std::nullopt}) {
        if (cell)
            board[cell->col * BOARD_ROWS + cell->row] += HIGHLIGHT_OFFSET;
    }
    return board;
}

bool LegalPair(const Rows& rows, Cell a, Cell b) {
    const int dc = std::abs(a.col - b.col), dr = std::abs(a.row - b.row);
    return At(rows, a) && At(rows, a) == At(rows, b) && dc + dr > 0 &&
           (dc == 0 || dr == 0 || (dc == 1 && dr == 1));
}

std::optional<Pair> FirstPair(const Rows& rows) {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = 0; r < BOARD_ROWS; ++r) {
            const auto face = At(rows, {c, r});
            const auto same = [&](Cell p) { return face && At(rows, p) == face; };
            for (int k = c + 1; k < BOARD_COLUMNS; ++k) {
                if (same({k, r}))
                    return Pair{{c, r}, {k, r}};
            }
            for (int k = r + 1; k < BOARD_ROWS; ++k) {
                if (same({c, k}))
                    return Pair{{c, r}, {c, k}};
            }
            for (Cell p : {Cell{c + 1, r - 1}, Cell{c + 1, r + 1}}) {
                if (same(p))
                    return Pair{{c, r}, p};
            }
        }
    }
    return std::nullopt;
}

Rows WithoutPair(Rows rows, Cell a, Cell b) {
    // The right-hand tile first, in case both share a row.
    for (Cell cell : a.col > b.col ? std::vector{a, b} : std::vector{b, a})
        rows[cell.row].erase(rows[cell.row].begin() + cell.col);
    std::erase_if(rows, [](const auto& row) { return row.empty(); });
    return rows;
}

// ---- Operations ------------------------------------------------------------

void OracleDeal(Oracle& o, uint32_t seed) {
    const int n = o.easy ? 9 : 18;
    Rows grid(BOARD_ROWS, std::vector<TileCode>(n));
    for (int i = 0; i < 8 * n; ++i)
        grid[i % 8][i / 8] = 2 * (i / 8) + (i % 8) / 4;
    uint32_t state = seed;
    const auto next = [&state] {
        state = state * 214013u + 2531011u;
        return int(state >> 16 & 0x7FFF);
    };
    for (int i = 0; i < 8 * n; ++i) {
        const int c = next() % n;
        std::swap(grid[i % 8][i / 8], grid[next() % 8][c]);
    }
    o.rows = grid;
    o.history.clear();
    o.pick.reset();
    o.hint.reset();
    o.lost = false;
    if (o.soundOn)
        o.calls.push_back("PlayLoop " + std::to_string(LOOP_WAVE_SIZE));
}

void OracleClick(Oracle& o, std::optional<Cell> target) {
    if (o.lost)
        return;
    o.hint.reset();
    if (!o.pick) {
        if (target && At(o.rows, *target)) {
            o.pick = target;
            o.calls.push_back("Repaint");
        }
        return;
    }
    if (!target)
        return;
    const Cell p = *o.pick;
    o.pick.reset();
    o.calls.push_back("Repaint");
    if (!LegalPair(o.rows, p, *target))
        return;
    if (o.history.size() == HISTORY_DEPTH)
        o.history.erase(o.history.begin());
    o.history.push_back(o.rows);
    o.rows = WithoutPair(o.rows, p, *target);
}

void OracleHint(Oracle& o) {
    if (o.lost || o.hint || o.pick)
        return;
    o.hint = FirstPair(o.rows);
    if (o.hint)
        o.calls.push_back("Repaint erase");
}

void OracleUndo(Oracle& o) {
    if (o.history.empty())
        return;
    o.rows = o.history.back();
    o.history.pop_back();
    o.pick.reset();
    o.hint.reset();
    o.calls.push_back("Repaint erase");
}

void OraclePaint(Oracle& o) {
    const bool cleared = o.rows.empty();
    if (!cleared) {
        if (o.lost)
            return;
        o.clearJinglePlayed = false;
        if (o.pick || FirstPair(o.rows))
            return;
        o.lost = true;
    }
    o.history.clear();
    o.calls.push_back("StopClock");
    if (o.soundOn && !(cleared && o.clearJinglePlayed))
        o.calls.push_back("PlayOnce " +
                          std::to_string(cleared ? CLEAR_WAVE_SIZE : GAME_OVER_WAVE_SIZE));
    if (cleared)
        o.clearJinglePlayed = true;
    else
        o.calls.push_back("MessageBox");
}

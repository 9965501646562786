// The solver's entry points: reading a board into a search, and reporting
// the answer as clicks, each clearing sequence checked by replaying it
// through the game's own rule of play.
#include "model/solver.h"

#include "model/selection.h"
#include "model/solver_dead_table.h"
#include "model/solver_position.h"
#include "model/solver_search.h"

#include <cstdlib>
#include <new>

namespace {

TileCode Unhighlighted(TileCode code) {
    return code >= HIGHLIGHT_OFFSET ? code - HIGHLIGHT_OFFSET : code;
}

// Reads the board into the search; false when it holds something no game
// reaches (a gap in a row, more than four tiles of a face).
bool ReadBoard(Search& s, const Board& cells) {
    for (int r = 0; r < BOARD_ROWS; ++r) {
        bool ended = false;
        for (int c = 0; c < BOARD_COLUMNS; ++c) {
            TileCode code = cells[CellIndex(c, r)];
            if (code == EMPTY_CELL) {
                ended = true;
                continue;
            }
            code = Unhighlighted(code);
            if (ended || code < 0 || code >= FACE_COUNT ||
                s.faceTileCount[code] == TILES_PER_FACE) {
                return false;
            }
            const int tile = r << TILE_ROW_SHIFT | c;
            s.face[tile] = static_cast<uint8_t>(code);
            s.slot[tile] = s.faceTileCount[code];
            s.faceLive[code] |= static_cast<uint8_t>(1u << s.faceTileCount[code]);
            s.faceTiles[code][s.faceTileCount[code]++] = static_cast<uint8_t>(tile);
            s.rows[r] |= BitOf(tile);
        }
    }
    return true;
}

bool HasOddFace(const Search& s) {
    for (int f = 0; f < FACE_COUNT; ++f) {
        if (s.faceTileCount[f] % 2 != 0) {
            return true;
        }
    }
    return false;
}

// The clicks of the sequence, in board cells as they are when played, added
// to the result that SolveBoard has emptied.
void PathToClicks(Search& s, SolveResult* result) {
    for (int i = 0; i < s.pathLength; ++i) {
        const uint32_t nonEmpty = NonEmptyRows(s);
        for (int k = 0; k < 2; ++k) {
            const int tile = s.path[i][k];
            const int row = std::popcount(nonEmpty & ((1u << RowOf(tile)) - 1));
            result->clicks[result->clickCount++] = Cell{ColumnOf(s, tile), row};
        }
        RemovePair(s, s.path[i][0], s.path[i][1]);
    }
}

// Plays the clicks through the game's own rule of play.
bool ReplayClears(GameState& game, const Board& cells, const SolveResult& result) {
    game.cells = cells;
    game.tilesLeft = 0;
    for (TileCode& code : game.cells) {
        if (code != EMPTY_CELL) {
            code = Unhighlighted(code);
            ++game.tilesLeft;
        }
    }
    game.selectionActive = 0;
    game.historyCount = 0;
    for (int i = 0; i + 1 < result.clickCount; i += 2) {
        const int before = game.tilesLeft;
        ClickCell(game, nullptr, result.clicks[i]);
        ClickCell(game, nullptr, result.clicks[i + 1]);
        if (game.tilesLeft != before - 2) {
            return false;
        }
    }
    return game.tilesLeft == 0;
}

} // namespace

// ---- The solver object ------------------------------------------------------------

bool CreateSolver(Solver* solver, size_t tableEntries) {
    *solver = Solver{};
    size_t entries = 0;
    solver->table = AllocateDeadTable(tableEntries, &entries);
    solver->replay = new (std::nothrow) GameState{};
    if (solver->table == nullptr || solver->replay == nullptr) {
        DestroySolver(solver);
        return false;
    }
    solver->tableEntries = entries;
    solver->restartNodes = SOLVER_DEFAULT_RESTART_NODES;
    return true;
}

void DestroySolver(Solver* solver) {
    std::free(solver->table);
    delete solver->replay;
    *solver = Solver{};
}

void SolveBoard(Solver& solver, const Board& cells, SolveBudget budget, SolveResult* result) {
    result->verdict = VERDICT_UNKNOWN;
    result->clickCount = 0;
    result->nodes = 0;
    // Each search starts with an empty table; an old generation is free.
    StartDeadGeneration(solver);
    Search s = {};
    s.solver = &solver;
    s.random = 0x2545F4914F6CDD1Dull;
    s.nodeLimit = budget.nodes;
    s.hasDeadline = budget.milliseconds > 0;
    s.deadline =
        std::clock() + static_cast<std::clock_t>(budget.milliseconds * (CLOCKS_PER_SEC / 1000.0));
    if (!ReadBoard(s, cells)) {
        return;
    }
    if (HasOddFace(s)) {
        result->verdict = VERDICT_NOT_CLEARABLE;
        return;
    }
    const Outcome outcome = SearchWithRestarts(s);
    result->nodes = s.nodes;
    if (outcome == DEAD) {
        result->verdict = VERDICT_NOT_CLEARABLE;
    } else if (outcome == WON) {
        PathToClicks(s, result);
        if (ReplayClears(*solver.replay, cells, *result)) {
            result->verdict = VERDICT_CLEARABLE;
        } else {
            result->clickCount = 0;
        }
    }
}

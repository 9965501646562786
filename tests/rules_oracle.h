// A second statement of the rules of play, for the property tests. It keeps
// the board as a list of rows, each a list of faces packed to the left, and
// the pick and the hint beside the board instead of inside its codes, so it
// shares neither data layout nor code with the game model.
#pragma once

#include "model/game_state.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Non-empty rows from the top, each the faces from column 0.
using Rows = std::vector<std::vector<TileCode>>;
using Pair = std::pair<Cell, Cell>;
inline bool operator==(Cell a, Cell b) {
    return a.col == b.col && a.row == b.row;
}

struct Oracle {
    Rows rows;
    std::vector<Rows> history; // oldest first, at most 72
    std::optional<Cell> pick;
    std::optional<Pair> hint;
    bool easy = false;
    bool soundOn = true;
    bool lost = false;
    bool clearJinglePlayed = false;
    // What the last operations asked of the desktop: "Repaint", "Repaint
    // erase", "PlayLoop <size>", "PlayOnce <size>", "StopClock", "MessageBox".
    std::vector<std::string> calls;
};

// Rows written as text: faces separated by spaces, rows by '/'.
Rows ParseRows(const char* text);
Board ToBoard(const Rows& rows);
// The rows of a board whose rows are packed and whose codes are plain faces.
Rows FromBoard(const Board& board);
// The board as the player sees it: the pick and the hint highlighted.
Board ShownBoard(const Oracle& oracle);
// Two different cells holding the same face in one row, in one column, or
// as diagonal neighbours.
bool LegalPair(const Rows& rows, Cell a, Cell b);
// The pair the hint shows: scanning columns left to right, rows top to bottom,
// the tile's row to the right, its column below, up-right, down-right.
std::optional<Pair> FirstPair(const Rows& rows);
// The rows once a legal pair has left them: each row closes up, an empty one
// goes.
Rows WithoutPair(Rows rows, Cell a, Cell b);

void OracleDeal(Oracle& oracle, uint32_t seed);
void OracleClick(Oracle& oracle, std::optional<Cell> target);
void OracleHint(Oracle& oracle);
void OracleUndo(Oracle& oracle);
// The end-of-game test of a paint.
void OraclePaint(Oracle& oracle);

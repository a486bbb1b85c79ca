#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/GameState.h"

namespace brixel::test {

using Cell = std::pair<int, int>;  // (column, row)
using CellSet = std::set<Cell>;

// Cells covered by a piece of `type` in `state` with its reference cell at (col, row).
CellSet PieceCells(int type, int state, int col, int row);

// Makes (type, state, col, row) the falling piece and writes its cells into the well.
void PutPiece(GameState& s, int type, int state, int col, int row);

// Fills rows from the bottom up: the last string is row 18. '.' is empty,
// '1'..'7' a block of that type, any other character a block of type 7.
void FillRowsFromBottom(Well& board, const std::vector<std::string>& rows);

// The row as a string of '.' and digits, for readable failure messages.
std::string RowText(const Well& board, int row);

// Cells where the two wells differ, split by what happened to them.
struct WellDiff {
    CellSet entered;  // 0 before, non-zero after
    CellSet left;     // non-zero before, 0 after
    CellSet other;    // changed between two non-zero values
};
WellDiff Diff(const Well& before, const Well& after);

// Checks that every cell holds 0..7 and that the falling piece's catalogue
// cells hold its type; returns a message describing the first fault, or "".
std::string CheckWell(const GameState& s, bool pieceFalling);

}  // namespace brixel::test

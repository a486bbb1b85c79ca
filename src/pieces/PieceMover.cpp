#include "pieces/PieceMover.h"

#include <algorithm>

#include "pieces/PieceCatalogue.h"

namespace brixel {

namespace {

bool Covers(const Shape& shape, int col, int row, int c, int r)
{
    return std::any_of(shape.begin(), shape.end(),
                       [&](Offset o) { return col + o.dc == c && row + o.dr == r; });
}

}  // namespace

void PlaceNewPiece(GameState& s)
{
    const Shape* shape = PieceShape(s.PieceType, 1);
    if (shape == nullptr) {
        return;
    }
    const int col = SpawnCol;
    const int row = SpawnRow(s.PieceType);
    for (Offset o : *shape) {
        if (s.Board(col + o.dc, row + o.dr) != 0) {
            s.GameOver = true;
        }
    }
    for (Offset o : *shape) {
        s.Board(col + o.dc, row + o.dr) = s.PieceType;
    }
}

bool Relocate(GameState& s, int state, int col, int row)
{
    const Shape* from = PieceShape(s.PieceType, s.PieceState);
    const Shape* to = PieceShape(s.PieceType, state);
    if (from == nullptr || to == nullptr) {
        return false;
    }
    // Edge test first, so no cell outside the well is ever read.
    for (Offset o : *to) {
        if (!Well::Inside(col + o.dc, row + o.dr)) {
            return false;
        }
    }
    // The piece's own cells hold its value; only cells it enters must be empty.
    for (Offset o : *to) {
        const int c = col + o.dc;
        const int r = row + o.dr;
        if (!Covers(*from, s.PieceCol, s.PieceRow, c, r) && s.Board(c, r) != 0) {
            return false;
        }
    }
    for (Offset o : *from) {
        s.Board(s.PieceCol + o.dc, s.PieceRow + o.dr) = 0;
    }
    for (Offset o : *to) {
        s.Board(col + o.dc, row + o.dr) = s.PieceType;
    }
    s.PieceState = static_cast<std::int16_t>(state);
    s.PieceCol = static_cast<std::int16_t>(col);
    s.PieceRow = static_cast<std::int16_t>(row);
    return true;
}

bool ShiftPiece(GameState& s, int columns)
{
    return Relocate(s, s.PieceState, s.PieceCol + columns, s.PieceRow);
}

bool TurnPiece(GameState& s)
{
    if (StateCount(s.PieceType) <= 1) {
        return false;
    }
    return Relocate(s, NextState(s.PieceType, s.PieceState), s.PieceCol, s.PieceRow);
}

bool LowerPiece(GameState& s)
{
    return Relocate(s, s.PieceState, s.PieceCol, s.PieceRow + 1);
}

}  // namespace brixel

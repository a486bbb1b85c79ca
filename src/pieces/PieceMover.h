#pragma once

#include "core/GameState.h"

namespace brixel {

// Puts a new piece of PieceType into its spawn cells. Any spawn cell already
// taken sets GameOver; the piece is written over it all the same.
void PlaceNewPiece(GameState& s);

// Moves the falling piece to (state, col, row) if every new cell lies inside
// the well and every cell it does not already cover is empty. Returns whether
// it moved; a refusal changes nothing. Every movement of the game goes through here.
bool Relocate(GameState& s, int state, int col, int row);

// The three movements, each one call of Relocate.
bool ShiftPiece(GameState& s, int columns);  // -1 left, +1 right
bool TurnPiece(GameState& s);                // to the next rotation state, in place
bool LowerPiece(GameState& s);               // one row down

}  // namespace brixel

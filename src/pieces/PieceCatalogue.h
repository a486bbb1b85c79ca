#pragma once

#include <array>
#include <cstdint>

namespace brixel {

struct Offset {
    int dc;  // columns to the right of the reference cell
    int dr;  // rows below the reference cell
    bool operator==(const Offset&) const = default;
};

using Shape = std::array<Offset, 4>;

inline constexpr int PieceTypes = 7;
inline constexpr int MaxStates = 4;

// Number of rotation states of piece type 1..7; 0 for anything else.
int StateCount(int type);

// The four cells of a piece of type 1..7 in state 1..StateCount(type),
// relative to its reference cell, listed top row first, left to right.
// Returns nullptr for a type or state that does not exist.
const Shape* PieceShape(int type, int state);

// The state a turn leads to: 1 -> 2 -> ... -> StateCount -> 1.
int NextState(int type, int state);

// Where a new piece of each type comes in: column 5, row 1 for the bar, row 2 otherwise.
inline constexpr int SpawnCol = 5;
int SpawnRow(int type);

}  // namespace brixel

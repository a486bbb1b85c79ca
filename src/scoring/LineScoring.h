#pragma once

#include <array>
#include <cstdint>

#include "core/GameState.h"

namespace brixel {

// One flag per row, indexed 1..18 (index 0 unused).
using RowFlags = std::array<bool, WellRows + 1>;

// Marks every full row (no empty cell) and empties it. Returns how many there were.
int FindAndBlankFullRows(Well& board, RowFlags& fullRow);

// Closes the gap at row r: rows r..2 take the cells and flags of the row above,
// and row 1 becomes an empty, unflagged row so nothing is duplicated downwards.
void CollapseRow(Well& board, RowFlags& fullRow, int r);

// How often the level rises when `rows` more rows are added to `lines`:
// once for every multiple of ten the row count passes.
int LevelRises(int lines, int rows);

// Raises Level by `rises` and shortens StepDelay for each new level up to 9.
void ApplyLevelRises(GameState& s, int rises);

// Points for removing `rows` rows at once at `level`: 50, 150, 500 or 1000 times
// (level + 1); more than four rows pay the four-row points per group of four.
std::int64_t PointsFor(int rows, int level);

// Effect number for `rows` rows removed at once (104..107), 0 for none.
int RowSound(int rows);

// Additions that stop at the type's largest value instead of wrapping.
std::int16_t SaturatingAdd16(std::int16_t a, std::int64_t b);
std::int32_t SaturatingAdd32(std::int32_t a, std::int64_t b);

inline constexpr double BaseStepDelay = 0.5;     // seconds per step at level 0
inline constexpr double DelayStepPerLevel = 0.0472;
inline constexpr int FastestLevel = 9;           // the step delay stops shrinking here

}  // namespace brixel

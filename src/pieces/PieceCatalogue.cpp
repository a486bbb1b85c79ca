#include "pieces/PieceCatalogue.h"

namespace brixel {

namespace {

constexpr std::array<int, PieceTypes + 1> StateCounts{0, 2, 4, 4, 2, 2, 4, 1};

// Indexed [type - 1][state - 1]; unused states stay empty.
constexpr std::array<std::array<Shape, MaxStates>, PieceTypes> Catalogue{{
    // 1: straight bar, toggles between flat and upright
    {{{{{-1, 0}, {0, 0}, {1, 0}, {2, 0}}},
      {{{0, -1}, {0, 0}, {0, 1}, {0, 2}}}}},
    // 2: J
    {{{{{-1, -1}, {-1, 0}, {0, 0}, {1, 0}}},
      {{{0, -1}, {1, -1}, {0, 0}, {0, 1}}},
      {{{-1, 0}, {0, 0}, {1, 0}, {1, 1}}},
      {{{0, -1}, {0, 0}, {-1, 1}, {0, 1}}}}},
    // 3: L
    {{{{{1, -1}, {-1, 0}, {0, 0}, {1, 0}}},
      {{{0, -1}, {0, 0}, {0, 1}, {1, 1}}},
      {{{-1, 0}, {0, 0}, {1, 0}, {-1, 1}}},
      {{{-1, -1}, {0, -1}, {0, 0}, {0, 1}}}}},
    // 4: Z
    {{{{{-1, -1}, {0, -1}, {0, 0}, {1, 0}}},
      {{{1, -1}, {0, 0}, {1, 0}, {0, 1}}}}},
    // 5: S
    {{{{{0, -1}, {1, -1}, {-1, 0}, {0, 0}}},
      {{{0, -1}, {0, 0}, {1, 0}, {1, 1}}}}},
    // 6: T
    {{{{{0, -1}, {-1, 0}, {0, 0}, {1, 0}}},
      {{{0, -1}, {0, 0}, {1, 0}, {0, 1}}},
      {{{-1, 0}, {0, 0}, {1, 0}, {0, 1}}},
      {{{0, -1}, {-1, 0}, {0, 0}, {0, 1}}}}},
    // 7: square, one state
    {{{{{0, -1}, {1, -1}, {0, 0}, {1, 0}}}}},
}};

}  // namespace

int StateCount(int type)
{
    return type >= 1 && type <= PieceTypes ? StateCounts[type] : 0;
}

const Shape* PieceShape(int type, int state)
{
    if (state < 1 || state > StateCount(type)) {
        return nullptr;
    }
    return &Catalogue[type - 1][state - 1];
}

int NextState(int type, int state)
{
    const int count = StateCount(type);
    return count == 0 ? state : state % count + 1;
}

int SpawnRow(int type)
{
    return type == 1 ? 1 : 2;
}

}  // namespace brixel

// Every row of the shift, turn and gravity tables, checked against the one
// relocation routine: the edge bound on both sides, the exact cells entered
// and left, a block in any entered cell refusing the move, and a crowded
// well that still lets the move through when only unrelated cells are taken.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "pieces/PieceCatalogue.h"
#include "pieces/PieceMover.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

using test::CellSet;

enum class Move { Left, Right, Turn, Down };

struct Bound {
    char var;   // 'C' for PieceCol, 'R' for PieceRow
    bool upper; // true: var <= limit, false: var >= limit
    int limit;
};

struct TableRow {
    Move move;
    int type;
    int state;
    std::vector<Bound> bounds;
    std::vector<Offset> enter;
    std::vector<Offset> leave;
};

std::ostream& operator<<(std::ostream& os, const TableRow& r)
{
    static const char* const Names[] = {"left", "right", "turn", "down"};
    return os << Names[static_cast<int>(r.move)] << " type " << r.type << " state " << r.state;
}

Bound Cge(int v) { return {'C', false, v}; }
Bound Cle(int v) { return {'C', true, v}; }
Bound Rge(int v) { return {'R', false, v}; }
Bound Rle(int v) { return {'R', true, v}; }

const std::vector<TableRow>& Rows()
{
    static const std::vector<TableRow> rows{
        // Shifting left
        {Move::Left, 1, 1, {Cge(3)}, {{-2, 0}}, {{2, 0}}},
        {Move::Left, 1, 2, {Cge(2)}, {{-1, -1}, {-1, 0}, {-1, 1}, {-1, 2}}, {{0, -1}, {0, 0}, {0, 1}, {0, 2}}},
        {Move::Left, 2, 1, {Cge(3)}, {{-2, -1}, {-2, 0}}, {{-1, -1}, {1, 0}}},
        {Move::Left, 2, 2, {Cge(2)}, {{-1, -1}, {-1, 0}, {-1, 1}}, {{1, -1}, {0, 0}, {0, 1}}},
        {Move::Left, 2, 3, {Cge(3)}, {{-2, 0}, {0, 1}}, {{1, 0}, {1, 1}}},
        {Move::Left, 2, 4, {Cge(3)}, {{-1, -1}, {-1, 0}, {-2, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Left, 3, 1, {Cge(3)}, {{0, -1}, {-2, 0}}, {{1, -1}, {1, 0}}},
        {Move::Left, 3, 2, {Cge(2)}, {{-1, -1}, {-1, 0}, {-1, 1}}, {{0, -1}, {0, 0}, {1, 1}}},
        {Move::Left, 3, 3, {Cge(3)}, {{-2, 0}, {-2, 1}}, {{1, 0}, {-1, 1}}},
        {Move::Left, 3, 4, {Cge(3)}, {{-2, -1}, {-1, 0}, {-1, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Left, 4, 1, {Cge(3)}, {{-2, -1}, {-1, 0}}, {{0, -1}, {1, 0}}},
        {Move::Left, 4, 2, {Cge(2)}, {{0, -1}, {-1, 0}, {-1, 1}}, {{1, -1}, {1, 0}, {0, 1}}},
        {Move::Left, 5, 1, {Cge(3)}, {{-1, -1}, {-2, 0}}, {{1, -1}, {0, 0}}},
        {Move::Left, 5, 2, {Cge(2)}, {{-1, -1}, {-1, 0}, {0, 1}}, {{0, -1}, {1, 0}, {1, 1}}},
        {Move::Left, 6, 1, {Cge(3)}, {{-1, -1}, {-2, 0}}, {{0, -1}, {1, 0}}},
        {Move::Left, 6, 2, {Cge(2)}, {{-1, -1}, {-1, 0}, {-1, 1}}, {{0, -1}, {1, 0}, {0, 1}}},
        {Move::Left, 6, 3, {Cge(3)}, {{-2, 0}, {-1, 1}}, {{1, 0}, {0, 1}}},
        {Move::Left, 6, 4, {Cge(3)}, {{-1, -1}, {-2, 0}, {-1, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Left, 7, 1, {Cge(2)}, {{-1, -1}, {-1, 0}}, {{1, -1}, {1, 0}}},
        // Shifting right
        {Move::Right, 1, 1, {Cle(7)}, {{3, 0}}, {{-1, 0}}},
        {Move::Right, 1, 2, {Cle(9)}, {{1, -1}, {1, 0}, {1, 1}, {1, 2}}, {{0, -1}, {0, 0}, {0, 1}, {0, 2}}},
        {Move::Right, 2, 1, {Cle(8)}, {{0, -1}, {2, 0}}, {{-1, -1}, {-1, 0}}},
        {Move::Right, 2, 2, {Cle(8)}, {{2, -1}, {1, 0}, {1, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Right, 2, 3, {Cle(8)}, {{2, 0}, {2, 1}}, {{-1, 0}, {1, 1}}},
        {Move::Right, 2, 4, {Cle(9)}, {{1, -1}, {1, 0}, {1, 1}}, {{0, -1}, {0, 0}, {-1, 1}}},
        {Move::Right, 3, 1, {Cle(8)}, {{2, -1}, {2, 0}}, {{1, -1}, {-1, 0}}},
        {Move::Right, 3, 2, {Cle(8)}, {{1, -1}, {1, 0}, {2, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Right, 3, 3, {Cle(8)}, {{2, 0}, {0, 1}}, {{-1, 0}, {-1, 1}}},
        {Move::Right, 3, 4, {Cle(9)}, {{1, -1}, {1, 0}, {1, 1}}, {{-1, -1}, {0, 0}, {0, 1}}},
        {Move::Right, 4, 1, {Cle(8)}, {{1, -1}, {2, 0}}, {{-1, -1}, {0, 0}}},
        {Move::Right, 4, 2, {Cle(8)}, {{2, -1}, {2, 0}, {1, 1}}, {{1, -1}, {0, 0}, {0, 1}}},
        {Move::Right, 5, 1, {Cle(8)}, {{2, -1}, {1, 0}}, {{0, -1}, {-1, 0}}},
        {Move::Right, 5, 2, {Cle(8)}, {{1, -1}, {2, 0}, {2, 1}}, {{0, -1}, {0, 0}, {1, 1}}},
        {Move::Right, 6, 1, {Cle(8)}, {{1, -1}, {2, 0}}, {{0, -1}, {-1, 0}}},
        {Move::Right, 6, 2, {Cle(8)}, {{1, -1}, {2, 0}, {1, 1}}, {{0, -1}, {0, 0}, {0, 1}}},
        {Move::Right, 6, 3, {Cle(8)}, {{2, 0}, {1, 1}}, {{-1, 0}, {0, 1}}},
        {Move::Right, 6, 4, {Cle(9)}, {{1, -1}, {1, 0}, {1, 1}}, {{0, -1}, {-1, 0}, {0, 1}}},
        {Move::Right, 7, 1, {Cle(8)}, {{2, -1}, {2, 0}}, {{0, -1}, {0, 0}}},
        // Turning, from the given state to the next
        {Move::Turn, 1, 1, {Rge(2), Rle(16)}, {{0, -1}, {0, 1}, {0, 2}}, {{-1, 0}, {1, 0}, {2, 0}}},
        {Move::Turn, 1, 2, {Cge(2), Cle(8)}, {{-1, 0}, {1, 0}, {2, 0}}, {{0, -1}, {0, 1}, {0, 2}}},
        {Move::Turn, 2, 1, {Rle(17)}, {{0, -1}, {1, -1}, {0, 1}}, {{-1, -1}, {-1, 0}, {1, 0}}},
        {Move::Turn, 2, 2, {Cge(2)}, {{-1, 0}, {1, 0}, {1, 1}}, {{0, -1}, {1, -1}, {0, 1}}},
        {Move::Turn, 2, 3, {Rge(2)}, {{0, -1}, {-1, 1}, {0, 1}}, {{-1, 0}, {1, 0}, {1, 1}}},
        {Move::Turn, 2, 4, {Cle(9)}, {{-1, -1}, {-1, 0}, {1, 0}}, {{0, -1}, {-1, 1}, {0, 1}}},
        {Move::Turn, 3, 1, {Rle(17)}, {{0, -1}, {0, 1}, {1, 1}}, {{1, -1}, {-1, 0}, {1, 0}}},
        {Move::Turn, 3, 2, {Cge(2)}, {{-1, 0}, {1, 0}, {-1, 1}}, {{0, -1}, {0, 1}, {1, 1}}},
        {Move::Turn, 3, 3, {Rge(2)}, {{-1, -1}, {0, -1}, {0, 1}}, {{-1, 0}, {1, 0}, {-1, 1}}},
        {Move::Turn, 3, 4, {Cle(9)}, {{1, -1}, {-1, 0}, {1, 0}}, {{-1, -1}, {0, -1}, {0, 1}}},
        {Move::Turn, 4, 1, {Rle(17)}, {{1, -1}, {0, 1}}, {{-1, -1}, {0, -1}}},
        {Move::Turn, 4, 2, {Cge(2)}, {{-1, -1}, {0, -1}}, {{1, -1}, {0, 1}}},
        {Move::Turn, 5, 1, {Rle(17)}, {{1, 0}, {1, 1}}, {{1, -1}, {-1, 0}}},
        {Move::Turn, 5, 2, {Cge(2)}, {{1, -1}, {-1, 0}}, {{1, 0}, {1, 1}}},
        {Move::Turn, 6, 1, {Rle(17)}, {{0, 1}}, {{-1, 0}}},
        {Move::Turn, 6, 2, {Cge(2)}, {{-1, 0}}, {{0, -1}}},
        {Move::Turn, 6, 3, {Rge(2)}, {{0, -1}}, {{1, 0}}},
        {Move::Turn, 6, 4, {Cle(9)}, {{1, 0}}, {{0, 1}}},
        // Gravity
        {Move::Down, 1, 1, {Rle(17)}, {{-1, 1}, {0, 1}, {1, 1}, {2, 1}}, {{-1, 0}, {0, 0}, {1, 0}, {2, 0}}},
        {Move::Down, 1, 2, {Rle(15)}, {{0, 3}}, {{0, -1}}},
        {Move::Down, 2, 1, {Rle(17)}, {{-1, 1}, {0, 1}, {1, 1}}, {{-1, -1}, {0, 0}, {1, 0}}},
        {Move::Down, 2, 2, {Rle(16)}, {{1, 0}, {0, 2}}, {{0, -1}, {1, -1}}},
        {Move::Down, 2, 3, {Rle(16)}, {{-1, 1}, {0, 1}, {1, 2}}, {{-1, 0}, {0, 0}, {1, 0}}},
        {Move::Down, 2, 4, {Rle(16)}, {{-1, 2}, {0, 2}}, {{0, -1}, {-1, 1}}},
        {Move::Down, 3, 1, {Rle(17)}, {{-1, 1}, {0, 1}, {1, 1}}, {{1, -1}, {-1, 0}, {0, 0}}},
        {Move::Down, 3, 2, {Rle(16)}, {{0, 2}, {1, 2}}, {{0, -1}, {1, 1}}},
        {Move::Down, 3, 3, {Rle(16)}, {{0, 1}, {1, 1}, {-1, 2}}, {{-1, 0}, {0, 0}, {1, 0}}},
        {Move::Down, 3, 4, {Rle(16)}, {{-1, 0}, {0, 2}}, {{-1, -1}, {0, -1}}},
        {Move::Down, 4, 1, {Rle(17)}, {{-1, 0}, {0, 1}, {1, 1}}, {{-1, -1}, {0, -1}, {1, 0}}},
        {Move::Down, 4, 2, {Rle(16)}, {{1, 1}, {0, 2}}, {{1, -1}, {0, 0}}},
        {Move::Down, 5, 1, {Rle(17)}, {{1, 0}, {-1, 1}, {0, 1}}, {{0, -1}, {1, -1}, {-1, 0}}},
        {Move::Down, 5, 2, {Rle(16)}, {{0, 1}, {1, 2}}, {{0, -1}, {1, 0}}},
        {Move::Down, 6, 1, {Rle(17)}, {{-1, 1}, {0, 1}, {1, 1}}, {{0, -1}, {-1, 0}, {1, 0}}},
        {Move::Down, 6, 2, {Rle(16)}, {{1, 1}, {0, 2}}, {{0, -1}, {1, 0}}},
        {Move::Down, 6, 3, {Rle(16)}, {{-1, 1}, {1, 1}, {0, 2}}, {{-1, 0}, {0, 0}, {1, 0}}},
        {Move::Down, 6, 4, {Rle(16)}, {{-1, 1}, {0, 2}}, {{0, -1}, {-1, 0}}},
        {Move::Down, 7, 1, {Rle(17)}, {{0, 1}, {1, 1}}, {{0, -1}, {1, -1}}},
    };
    return rows;
}

bool Apply(Move move, GameState& s)
{
    switch (move) {
    case Move::Left: return ShiftPiece(s, -1);
    case Move::Right: return ShiftPiece(s, +1);
    case Move::Turn: return TurnPiece(s);
    case Move::Down: return LowerPiece(s);
    }
    return false;
}

CellSet At(const std::vector<Offset>& offsets, int col, int row)
{
    CellSet cells;
    for (Offset o : offsets) {
        cells.insert({col + o.dc, row + o.dr});
    }
    return cells;
}

// A position where the row's bound `b` is met exactly; the other coordinate
// sits in the middle of the well.
std::pair<int, int> PositionAt(const Bound& b, int offset)
{
    int col = 5;
    int row = 9;
    (b.var == 'C' ? col : row) = b.limit + offset;
    return {col, row};
}

GameState WithPiece(const TableRow& r, int col, int row)
{
    GameState s;
    test::PutPiece(s, r.type, r.state, col, row);
    return s;
}

class MovementTable : public ::testing::TestWithParam<TableRow> {};

TEST_P(MovementTable, AtTheBoundMovesExactlyTheListedCells)
{
    const TableRow& r = GetParam();
    for (const Bound& b : r.bounds) {
        auto [col, row] = PositionAt(b, 0);
        GameState s = WithPiece(r, col, row);
        const Well before = s.Board;
        ASSERT_TRUE(Apply(r.move, s)) << "refused at " << col << "," << row;
        const test::WellDiff d = test::Diff(before, s.Board);
        EXPECT_EQ(d.entered, At(r.enter, col, row));
        EXPECT_EQ(d.left, At(r.leave, col, row));
        EXPECT_TRUE(d.other.empty());
        const int dc = r.move == Move::Left ? -1 : r.move == Move::Right ? 1 : 0;
        EXPECT_EQ(s.PieceCol, col + dc);
        EXPECT_EQ(s.PieceRow, row + (r.move == Move::Down ? 1 : 0));
        EXPECT_EQ(s.PieceState, r.move == Move::Turn ? NextState(r.type, r.state) : r.state);
        EXPECT_EQ(test::CheckWell(s, true), "");
    }
}

TEST_P(MovementTable, OneBeyondTheBoundIsRefused)
{
    const TableRow& r = GetParam();
    for (const Bound& b : r.bounds) {
        auto [col, row] = PositionAt(b, b.upper ? 1 : -1);
        for (auto [c, rr] : test::PieceCells(r.type, r.state, col, row)) {
            ASSERT_TRUE(Well::Inside(c, rr)) << "table position itself lies outside the well";
        }
        GameState s = WithPiece(r, col, row);
        const GameState before = s;
        EXPECT_FALSE(Apply(r.move, s)) << "moved at " << col << "," << row;
        EXPECT_EQ(s, before);
    }
}

TEST_P(MovementTable, ABlockInAnyEnteredCellRefusesTheMove)
{
    const TableRow& r = GetParam();
    auto [col, row] = PositionAt(r.bounds.front(), 0);
    for (auto [c, rr] : At(r.enter, col, row)) {
        GameState s = WithPiece(r, col, row);
        s.Board(c, rr) = static_cast<std::int16_t>(r.type % 7 + 1);
        const GameState before = s;
        EXPECT_FALSE(Apply(r.move, s)) << "block at " << c << "," << rr;
        EXPECT_EQ(s, before);
    }
}

TEST_P(MovementTable, BlocksOutsideTheEnteredCellsDoNotMatter)
{
    const TableRow& r = GetParam();
    auto [col, row] = PositionAt(r.bounds.front(), 0);
    GameState s = WithPiece(r, col, row);
    const CellSet free = At(r.enter, col, row);
    for (int c = 1; c <= WellColumns; ++c) {
        for (int rr = 1; rr <= WellRows; ++rr) {
            if (s.Board(c, rr) == 0 && free.count({c, rr}) == 0) {
                s.Board(c, rr) = 7;
            }
        }
    }
    EXPECT_TRUE(Apply(r.move, s));
    EXPECT_EQ(test::CheckWell(s, true), "");
}

INSTANTIATE_TEST_SUITE_P(AllTypesAndStates, MovementTable, ::testing::ValuesIn(Rows()));

TEST(MovementTable, CoversEveryTypeAndStateForEveryMove)
{
    for (Move move : {Move::Left, Move::Right, Move::Turn, Move::Down}) {
        for (int type = 1; type <= PieceTypes; ++type) {
            for (int state = 1; state <= StateCount(type); ++state) {
                if (move == Move::Turn && type == 7) {
                    continue;  // the square does not turn
                }
                int found = 0;
                for (const TableRow& r : Rows()) {
                    found += r.move == move && r.type == type && r.state == state;
                }
                EXPECT_EQ(found, 1) << "move " << static_cast<int>(move) << " type " << type << " state " << state;
            }
        }
    }
}

}  // namespace
}  // namespace brixel

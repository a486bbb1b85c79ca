#include <gtest/gtest.h>

#include <algorithm>

#include "pieces/PieceCatalogue.h"
#include "pieces/PieceMover.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

using test::CellSet;
using test::PieceCells;

// What a player sees when turning a piece again and again in an open well:
// the bar, S and Z show two orientations, L, J and T four, the square one.
TEST(Catalogue, TurningShowsEachPieceInItsOwnNumberOfOrientations)
{
    const int orientations[] = {0, 2, 4, 4, 2, 2, 4, 1};
    for (int type = 1; type <= PieceTypes; ++type) {
        GameState s;
        test::PutPiece(s, type, 1, 5, 9);
        std::vector<Well> seen{s.Board};
        for (int turn = 0; turn < 8; ++turn) {
            ASSERT_TRUE(TurnPiece(s) || type == 7) << "type " << type;
            if (std::find(seen.begin(), seen.end(), s.Board) == seen.end()) {
                seen.push_back(s.Board);
            }
        }
        EXPECT_EQ(static_cast<int>(seen.size()), orientations[type]) << "type " << type;
    }
}

TEST(Catalogue, NoShapesOutsideTheSevenTypesAndTheirStates)
{
    EXPECT_EQ(StateCount(0), 0);
    EXPECT_EQ(StateCount(8), 0);
    EXPECT_EQ(PieceShape(0, 1), nullptr);
    EXPECT_EQ(PieceShape(8, 1), nullptr);
    EXPECT_EQ(PieceShape(7, 2), nullptr);
    EXPECT_EQ(PieceShape(1, 0), nullptr);
}

TEST(Catalogue, EveryShapeHoldsItsReferenceCellAndFitsTheFourByFourWindow)
{
    for (int type = 1; type <= PieceTypes; ++type) {
        for (int state = 1; state <= StateCount(type); ++state) {
            const Shape& shape = *PieceShape(type, state);
            EXPECT_NE(std::find(shape.begin(), shape.end(), Offset{0, 0}), shape.end());
            EXPECT_EQ(PieceCells(type, state, 5, 5).size(), 4u) << "cells repeat";
            for (Offset o : shape) {
                EXPECT_TRUE(o.dc >= -1 && o.dc <= 2 && o.dr >= -1 && o.dr <= 2);
            }
        }
    }
}

CellSet TurnedClockwise(const CellSet& cells, int col, int row)
{
    CellSet out;
    for (auto [c, r] : cells) {
        const int x = c - col;
        const int y = r - row;
        out.insert({col - y, row + x});
    }
    return out;
}

TEST(Catalogue, FourStatePiecesTurnAQuarterClockwiseAboutTheReferenceCell)
{
    for (int type : {2, 3, 6}) {
        for (int state = 1; state <= 4; ++state) {
            EXPECT_EQ(TurnedClockwise(PieceCells(type, state, 5, 9), 5, 9),
                      PieceCells(type, NextState(type, state), 5, 9))
                << "type " << type << " state " << state;
        }
    }
}

TEST(Catalogue, TwoStatePiecesToggleBetweenTwoFixedShapes)
{
    for (int type : {1, 4, 5}) {
        EXPECT_EQ(TurnedClockwise(PieceCells(type, 1, 5, 9), 5, 9), PieceCells(type, 2, 5, 9));
        EXPECT_EQ(NextState(type, 2), 1);
    }
}

TEST(Catalogue, TurningRoundTheFullCycleGivesBackTheStartingCells)
{
    for (int type = 1; type <= 6; ++type) {
        GameState s;
        test::PutPiece(s, type, 1, 5, 9);
        const Well start = s.Board;
        for (int i = 0; i < StateCount(type); ++i) {
            ASSERT_TRUE(TurnPiece(s));
        }
        EXPECT_EQ(s.Board, start) << "type " << type;
        EXPECT_EQ(s.PieceState, 1);
    }
}

TEST(Catalogue, TheSquareDoesNotTurn)
{
    GameState s;
    test::PutPiece(s, 7, 1, 5, 9);
    const GameState before = s;
    EXPECT_FALSE(TurnPiece(s));
    EXPECT_EQ(s, before);
}

struct SpawnCase {
    int type;
    CellSet cells;
};

void PrintTo(const SpawnCase& c, std::ostream* os)
{
    *os << "type " << c.type;
}

class Spawn : public ::testing::TestWithParam<SpawnCase> {};

TEST_P(Spawn, NewPieceTakesItsSpawnCellsOnAnEmptyWell)
{
    const SpawnCase& c = GetParam();
    GameState s;
    s.PieceType = static_cast<std::int16_t>(c.type);
    PlaceNewPiece(s);
    EXPECT_FALSE(s.GameOver);
    GameState empty;
    EXPECT_EQ(test::Diff(empty.Board, s.Board).entered, c.cells);
    EXPECT_EQ(PieceCells(c.type, 1, SpawnCol, SpawnRow(c.type)), c.cells);
}

TEST_P(Spawn, AnyOneTakenSpawnCellEndsTheGameAndIsOverwritten)
{
    const SpawnCase& c = GetParam();
    for (auto [col, row] : c.cells) {
        GameState s;
        s.PieceType = static_cast<std::int16_t>(c.type);
        s.Board(col, row) = static_cast<std::int16_t>(c.type % 7 + 1);
        PlaceNewPiece(s);
        EXPECT_TRUE(s.GameOver) << col << "," << row;
        for (auto [cc, rr] : c.cells) {
            EXPECT_EQ(s.Board(cc, rr), c.type);
        }
    }
}

TEST_P(Spawn, BlocksBesideTheSpawnCellsDoNotEndTheGame)
{
    const SpawnCase& c = GetParam();
    GameState s;
    for (int col = 1; col <= WellColumns; ++col) {
        for (int row = 1; row <= 3; ++row) {
            if (c.cells.count({col, row}) == 0) {
                s.Board(col, row) = 3;
            }
        }
    }
    s.PieceType = static_cast<std::int16_t>(c.type);
    PlaceNewPiece(s);
    EXPECT_FALSE(s.GameOver);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Spawn,
                         ::testing::Values(SpawnCase{1, {{4, 1}, {5, 1}, {6, 1}, {7, 1}}},
                                           SpawnCase{2, {{4, 1}, {4, 2}, {5, 2}, {6, 2}}},
                                           SpawnCase{3, {{6, 1}, {4, 2}, {5, 2}, {6, 2}}},
                                           SpawnCase{4, {{4, 1}, {5, 1}, {5, 2}, {6, 2}}},
                                           SpawnCase{5, {{5, 1}, {6, 1}, {4, 2}, {5, 2}}},
                                           SpawnCase{6, {{5, 1}, {4, 2}, {5, 2}, {6, 2}}},
                                           SpawnCase{7, {{5, 1}, {6, 1}, {5, 2}, {6, 2}}}));

TEST(Spawn, GameOverIsNeverResetAndUnknownTypesWriteNothing)
{
    GameState s;
    s.GameOver = true;
    s.PieceType = 3;
    PlaceNewPiece(s);
    EXPECT_TRUE(s.GameOver);

    GameState t;
    t.PieceType = 0;
    PlaceNewPiece(t);
    EXPECT_EQ(t, GameState{});
}

TEST(Relocate, InvalidStateOrTypeChangesNothing)
{
    GameState s;
    test::PutPiece(s, 2, 1, 5, 9);
    s.PieceState = 5;
    const GameState before = s;
    EXPECT_FALSE(ShiftPiece(s, -1));
    EXPECT_FALSE(LowerPiece(s));
    EXPECT_FALSE(TurnPiece(s));
    EXPECT_EQ(s, before);
}

TEST(Relocate, FlatBarCanShiftInRowOneRightAfterArriving)
{
    GameState s;
    s.PieceType = 1;
    PlaceNewPiece(s);
    s.PieceState = 1;
    s.PieceCol = 5;
    s.PieceRow = 1;
    EXPECT_TRUE(ShiftPiece(s, -1));
    EXPECT_TRUE(ShiftPiece(s, +1));
    EXPECT_FALSE(TurnPiece(s)) << "the upright bar would need row 0";
    ASSERT_TRUE(LowerPiece(s));
    EXPECT_TRUE(TurnPiece(s));
    EXPECT_EQ(PieceCells(1, 2, 5, 2), (CellSet{{5, 1}, {5, 2}, {5, 3}, {5, 4}}));
}

}  // namespace
}  // namespace brixel

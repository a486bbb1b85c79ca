#include <gtest/gtest.h>

#include "engine/GameTestBase.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

class KeyRules : public test::GameTestBase {
protected:
    KeyRules()
    {
        s().SurfacesTaken = true;
        s().GameRunning = True16;
        test::PutPiece(s(), 6, 1, 5, 9);
    }
};

struct Blocked {
    const char* why;
    std::int16_t running;
    bool paused;
    bool newPiece;
};

void PrintTo(const Blocked& b, std::ostream* os)
{
    *os << b.why;
}

class KeysIgnored : public KeyRules, public ::testing::WithParamInterface<Blocked> {};

TEST_P(KeysIgnored, SteeringKeysDoNothing)
{
    const Blocked& b = GetParam();
    s().GameRunning = b.running;
    s().Paused = b.paused;
    s().NewPiece = b.newPiece;
    for (int key : std::initializer_list<int>{KeyLeft, KeyRight, KeyUp, KeyClear, KeyDown, 65, 0}) {
        const GameState before = s();
        game.KeyPressed(key);
        EXPECT_EQ(s(), before) << b.why << ", key " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(States, KeysIgnored,
                         ::testing::Values(Blocked{"no game", False16, false, false},
                                           Blocked{"paused", True16, true, false},
                                           Blocked{"after a landing", True16, false, true}));

TEST_F(KeyRules, SteeringKeysMoveTheFallingPiece)
{
    game.KeyPressed(KeyLeft);
    EXPECT_EQ(s().PieceCol, 4);
    game.KeyPressed(KeyRight);
    game.KeyPressed(KeyRight);
    EXPECT_EQ(s().PieceCol, 6);
    game.KeyPressed(KeyUp);
    EXPECT_EQ(s().PieceState, 2);
    game.KeyPressed(KeyClear);
    EXPECT_EQ(s().PieceState, 3);
    EXPECT_EQ(test::CheckWell(s(), true), "");
}

TEST_F(KeyRules, DownStartsAHardDropFromTheRowOfTheFirstPress)
{
    game.KeyPressed(KeyDown);
    EXPECT_TRUE(s().Dropping);
    EXPECT_EQ(s().DropStartRow, 9);
    s().PieceRow = 12;
    game.KeyPressed(KeyDown);
    EXPECT_EQ(s().DropStartRow, 9);
}

TEST_F(KeyRules, PPausesOnlyASteerablePieceAndResumesOnlyAPausedGame)
{
    game.KeyPressed(KeyP);
    EXPECT_TRUE(s().Paused);
    game.KeyPressed(KeyP);
    EXPECT_FALSE(s().Paused);

    s().NewPiece = true;
    game.KeyPressed(KeyP);
    EXPECT_FALSE(s().Paused) << "between a landing and the next piece P does nothing";

    s().NewPiece = false;
    game.TogglePause();
    game.KeyPressed(KeyP);
    EXPECT_FALSE(s().Paused) << "P resumes a game paused by the button";

    s().GameRunning = False16;
    game.TogglePause();
    game.KeyPressed(KeyP);
    EXPECT_TRUE(s().Paused) << "without a game P does not resume";
}

TEST_F(KeyRules, EveryMoveRepaintsExactlyItsOwnChange)
{
    host.paints.clear();
    game.KeyPressed(KeyLeft);
    // The T in state 1 at (5,9) moving left: (3,9) and (4,8) entered, (6,9) and (5,8) left.
    std::vector<test::FakeHost::Paint> expected{{3, 9, 6}, {4, 8, 6}, {5, 8, 0}, {6, 9, 0}};
    std::sort(host.paints.begin(), host.paints.end(), [](auto a, auto b) {
        return std::tie(a.col, a.row) < std::tie(b.col, b.row);
    });
    EXPECT_EQ(host.paints, expected);

    // A refused move still presents the well but paints no tile.
    test::PutPiece(s(), 6, 1, 2, 9);
    s().Board.Clear();
    test::PutPiece(s(), 6, 1, 2, 9);
    host.paints.clear();
    const int presents = host.presents;
    game.KeyPressed(KeyLeft);
    EXPECT_TRUE(host.paints.empty());
    EXPECT_EQ(host.presents, presents + 1);
}

TEST(DrawBoard, DoesNothingBeforeTheFirstGame)
{
    test::FakeHost host;
    Game game(host);
    game.State().Board(3, 3) = 4;
    game.DrawBoard();
    game.RefreshWell();
    EXPECT_EQ(host.presents, 0);
    EXPECT_TRUE(host.paints.empty());
}

TEST(DrawBoard, NeverPaintsAValueThatHasNoTile)
{
    test::FakeHost host;
    Game game(host);
    game.State().SurfacesTaken = true;
    game.State().Board(1, 1) = 9;
    game.State().Board(2, 1) = -1;
    game.State().Board(3, 1) = 7;
    game.DrawBoard();
    EXPECT_EQ(host.paints, (std::vector<test::FakeHost::Paint>{{3, 1, 7}}));
    EXPECT_EQ(host.presents, 1);
}

TEST(DropStep, SoundsFollowTheSettingAndTheHardDrop)
{
    struct Case {
        std::optional<bool> sounds;
        bool dropping;
        int row;  // 9 falls, 18 lands
        std::vector<int> expected;
    };
    const Case cases[] = {
        {true, false, 9, {103}}, {true, false, 17, {102}}, {true, true, 9, {}},
        {true, true, 17, {102}}, {false, false, 9, {}},    {std::nullopt, false, 17, {}},
    };
    for (const Case& c : cases) {
        test::FakeHost host;
        Game game(host);
        game.State().Options.PlaySounds = c.sounds;
        game.State().Dropping = c.dropping;
        test::PutPiece(game.State(), 7, 1, 5, c.row + 1);
        const Well before = game.State().Board;
        game.DropStep();
        EXPECT_EQ(host.sounds, c.expected) << "row " << c.row << " dropping " << c.dropping;
        EXPECT_EQ(game.State().NewPiece, c.row == 17);
        if (c.row == 17) {
            EXPECT_EQ(game.State().Board, before) << "a landing rewrites nothing";
        }
    }
}

}  // namespace
}  // namespace brixel

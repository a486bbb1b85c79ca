#include <gtest/gtest.h>

#include <algorithm>

#include "engine/GameTestBase.h"
#include "scoring/LineScoring.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

using test::GameTestBase;

struct Moment {
    double time;
    int row;
};

class GameLoop : public GameTestBase {
protected:
    // Records the falling piece's row at every presentation of the well.
    void TrackRows()
    {
        host.OnPresent = [this] { moments.push_back({host.Now() - T0, s().PieceRow}); };
    }
    std::vector<Moment> moments;
};

TEST_F(GameLoop, FirstPieceWaitsOneStepDelayBeforeItsFirstStep)
{
    QueueSame(7, 3);
    TrackRows();
    ExitAt(1.2);
    game.NewGame();
    ASSERT_GE(moments.size(), 4u);
    // The well drawn by NewGame, the arrival, then one step per half second.
    EXPECT_NEAR(moments[1].time, 0.0, 1e-9);
    EXPECT_EQ(moments[1].row, 2);
    EXPECT_NEAR(moments[2].time, 0.5, 1e-4);
    EXPECT_EQ(moments[2].row, 3);
    EXPECT_NEAR(moments[3].time, 1.0, 1e-4);
    EXPECT_EQ(moments[3].row, 4);
}

// A piece steered during a wait keeps falling on time: the keys are handled
// inside the wait without moving its deadline.
struct Steering {
    const char* name;
    double startingLevel;
    std::vector<std::pair<double, int>> keys;  // (seconds into the game, key)
    double firstStep;                          // seconds into the game
    double secondStep;
    int column;  // where the keys left the square
};

void PrintTo(const Steering& c, std::ostream* os)
{
    *os << c.name;
}

class SteeringDuringAWait : public GameLoop, public ::testing::WithParamInterface<Steering> {};

TEST_P(SteeringDuringAWait, StepsComeOnTheirOwnClock)
{
    const Steering& c = GetParam();
    s().Options.StartingLevel = c.startingLevel;
    QueueSame(7, 3);  // squares: turning changes nothing, so only the steps change the row
    TrackRows();
    for (const auto& [at, key] : c.keys) {
        Key(at, key);
    }
    ExitAt(c.secondStep + 0.5);
    game.NewGame();
    std::vector<double> steps;
    for (std::size_t i = 1; i < moments.size(); ++i) {
        if (moments[i].row != moments[i - 1].row && moments[i - 1].row != 0) {
            steps.push_back(moments[i].time);
        }
    }
    ASSERT_GE(steps.size(), 2u);
    EXPECT_NEAR(steps[0], c.firstStep, 1e-4);
    EXPECT_NEAR(steps[1], c.secondStep, 1e-4);
    EXPECT_EQ(s().PieceCol, c.column) << "the keys were not handled";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SteeringDuringAWait,
    ::testing::Values(Steering{"level 0, Left at 0.4 s", 0, {{0.4, KeyLeft}}, 0.5, 1.0, 4},
                      // At level 5 a step takes 0.264 s, however busy the player is in between.
                      Steering{"level 5, three keys between the first two steps",
                               5,
                               {{0.3, KeyLeft}, {0.4, KeyUp}, {0.45, KeyRight}},
                               0.264,
                               0.528,
                               5},
                      Steering{"level 5, a key in every wait", 5, {{0.1, KeyLeft}, {0.27, KeyLeft}}, 0.264, 0.528, 3}));

TEST_F(GameLoop, DownAndNewGameInOneBatchStartTheNewGameWithoutADrop)
{
    QueueSame(7, 6);
    host.At(T0 + 0.25, [this] { game.KeyPressed(KeyDown); });
    host.At(T0 + 0.25, [this] { game.NewGame(); });
    ExitAt(0.6);
    game.NewGame();
    // The new game's first square came in at 0.25 s and still waits for its first step.
    EXPECT_EQ(s().PieceRow, 2);
    EXPECT_EQ(test::RowText(s().Board, 18), "..........");
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(host.previews.size(), 2u) << "one piece per game, none landed";
}

class SpawnRow : public GameLoop, public ::testing::WithParamInterface<int> {};

TEST_P(SpawnRow, ArrivesAtColumnFiveInStateOne)
{
    const int type = GetParam();
    QueuePieces({type, type % 7 + 1});
    ExitAt(0.1);
    game.NewGame();
    EXPECT_EQ(s().PieceType, type);
    EXPECT_EQ(s().PieceCol, 5);
    EXPECT_EQ(s().PieceState, 1);
    EXPECT_EQ(s().PieceRow, type == 1 ? 1 : 2);
    EXPECT_EQ(host.previews, (std::vector<int>{type % 7 + 1}));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SpawnRow, ::testing::Range(1, 8));

TEST_F(GameLoop, HardDropPaysTheRowsFallenFromTheFirstPress)
{
    QueueSame(7, 3);
    TrackRows();
    Key(0.25, KeyDown);
    Key(0.25, KeyDown);  // the second press of the same piece changes nothing
    ExitAt(0.3);
    game.NewGame();
    EXPECT_EQ(s().Score, 16);  // from row 2 to row 18
    EXPECT_EQ(host.counters[Counter::Score], "16");
    // The whole drop ran at the moment of the key press, without waits.
    const auto landed = std::find_if(moments.begin(), moments.end(), [](Moment m) { return m.row == 18; });
    ASSERT_NE(landed, moments.end());
    EXPECT_NEAR(landed->time, 0.25, 1e-4);
}

TEST_F(GameLoop, HardDropOfAPieceThatCannotFallPaysNothing)
{
    QueueSame(7, 3);
    Key(8.2, KeyDown);  // the square has reached the floor at 8.0 but has not landed yet
    ExitAt(8.3);
    game.NewGame();
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(s().DropStartRow, 0);
}

TEST_F(GameLoop, HardDropSkipsTheLandingPauses)
{
    QueueSame(7, 3);
    Key(0.25, KeyDown);
    ExitAt(0.3);
    game.NewGame();
    // The next piece arrived at the press itself: no 0.1 s holds in between.
    EXPECT_EQ(host.previews.size(), 2u);
    EXPECT_EQ(s().PieceRow, 2);
}

TEST_F(GameLoop, LandingHoldsTheGameForATenthBeforeTheNextTurn)
{
    QueueSame(7, 3);
    std::vector<double> arrivals;
    host.OnPreview = [&](int) { arrivals.push_back(host.Now() - T0); };
    ExitAt(9.2);
    game.NewGame();
    ASSERT_EQ(arrivals.size(), 2u);
    // 16 steps to the floor, one failed step at 8.5, 0.1 s of row clearing, one step delay.
    EXPECT_NEAR(arrivals[1], 8.5 + 0.1 + 0.5, 1e-4);
}

TEST_F(GameLoop, FourRowLandingThatRaisesTheLevelSoundsLandingRowsThenLevel)
{
    s().Options.PlaySounds = true;
    QueueSame(1, 3);
    host.At(T0 + 0.6, [this] {
        // Rows 15..18 full but for column 5, nine rows done: an upright bar
        // dropped into the gap completes the tenth.
        test::FillRowsFromBottom(s().Board, {"1234.56712", "1234.56712", "1234.56712", "1234.56712"});
        s().Lines = 9;
        game.KeyPressed(KeyUp);
        game.KeyPressed(KeyDown);
    });
    ExitAt(0.7);
    game.NewGame();
    // One ordinary step before the drop; the drop's own steps are silent.
    EXPECT_EQ(host.sounds, (std::vector<int>{103, 102, 107, 101}));
    EXPECT_EQ(s().Level, 1);
    EXPECT_EQ(s().Lines, 13);
    EXPECT_EQ(s().Score, 1000 * 2 + (16 - 2));  // the bar's reference cell went from row 2 to 16
}

TEST_F(GameLoop, PauseHoldsForAnyTimeAndResumesWithAnImmediateStep)
{
    QueueSame(7, 3);
    TrackRows();
    int rowDuringPause = 0;
    Key(0.25, KeyP);
    host.At(T0 + 999, [&] { rowDuringPause = s().PieceRow; });
    Key(1000, KeyP);
    ExitAt(1000.2);
    game.NewGame();
    EXPECT_EQ(rowDuringPause, 2);
    EXPECT_EQ(host.titles, (std::vector<std::string>{"Brixel32 - Paused", "Brixel32"}));
    const auto step = std::find_if(moments.begin(), moments.end(), [](Moment m) { return m.row == 3; });
    ASSERT_NE(step, moments.end());
    EXPECT_NEAR(step->time, 1000.0, 1e-4);
    // While paused the host is told to sleep until the next event.
    EXPECT_NE(std::find(host.timeouts.begin(), host.timeouts.end(), std::nullopt), host.timeouts.end());
}

TEST_F(GameLoop, PauseButtonAndPKeyShareOneFlag)
{
    QueueSame(7, 3);
    host.At(T0 + 0.2, [this] { game.TogglePause(); });
    Key(3.0, KeyP);
    ExitAt(3.1);
    game.NewGame();
    EXPECT_EQ(host.titles.back(), "Brixel32");
    EXPECT_FALSE(s().Paused);
}

TEST_F(GameLoop, RestoringTheWindowDuringAPauseRepaintsTheWell)
{
    QueueSame(7, 3);
    Key(0.25, KeyP);
    int presentsBefore = 0;
    host.At(T0 + 1, [&] {
        presentsBefore = host.presents;
        host.SetWindowState(WindowState::Minimized);
    });
    host.At(T0 + 2, [&] {
        host.SetWindowState(WindowState::Normal);
        game.WindowRestored();
    });
    int presentsAfter = 0;
    host.At(T0 + 3, [&] { presentsAfter = host.presents; });
    Key(4, KeyP);
    ExitAt(4.1);
    game.NewGame();
    EXPECT_EQ(presentsAfter - presentsBefore, 2);
}

TEST_F(GameLoop, OptionsAndRestoreHoldARunningGameOnly)
{
    game.OptionsOpened();
    game.WindowRestored();
    EXPECT_FALSE(s().Paused);

    QueueSame(7, 3);
    bool pausedByOptions = false;
    host.At(T0 + 0.2, [&] {
        game.OptionsOpened();
        pausedByOptions = s().Paused;
    });
    Key(2, KeyP);
    ExitAt(2.1);
    game.NewGame();
    EXPECT_TRUE(pausedByOptions);
}

TEST_F(GameLoop, WaitOverMidnightEndsAtMidnight)
{
    test::FakeHost lateHost(86399.8);
    Game lateGame(lateHost);
    lateHost.QueueRandom({TypeDraw(7), TypeDraw(7), TypeDraw(7)});
    std::vector<Moment> seen;
    lateHost.OnPresent = [&] { seen.push_back({lateHost.Now(), lateGame.State().PieceRow}); };
    lateHost.At(86400.05, [] {});  // wakes the host just after midnight
    lateHost.At(86400.2, [&] { lateGame.RequestExit(); });
    lateGame.NewGame();
    const auto step = std::find_if(seen.begin(), seen.end(), [](Moment m) { return m.row == 3; });
    ASSERT_NE(step, seen.end());
    EXPECT_NEAR(step->time, 86400.05, 1e-4);
}

TEST_F(GameLoop, BlockedSpawnEndsTheGameShowingTheIntroAndAsksForANameOnce)
{
    QueueSame(7, 12);
    game.NewGame();
    EXPECT_EQ(s().GameRunning, 0);
    EXPECT_TRUE(s().GameOver);
    EXPECT_EQ(host.highScoreChecks, (std::vector<std::int32_t>{0}));
    // Nine squares stack up to the top; the tenth is drawn over the ninth.
    EXPECT_EQ(host.previewCount, 10u);
    EXPECT_EQ(test::RowText(s().Board, 1), "....77....");
    const auto intro = std::find(host.log.begin(), host.log.end(), "intro shown");
    const auto ask = std::find(host.log.begin(), host.log.end(), "highscore 0");
    const auto lastPresent = std::find(host.log.rbegin(), host.log.rend(), "present");
    ASSERT_NE(intro, host.log.end());
    EXPECT_LT(intro, ask);
    EXPECT_LT(lastPresent.base(), intro + 1);
}

TEST_F(GameLoop, ExitDuringAWaitEndsWithoutNameEntry)
{
    QueueSame(7, 3);
    ExitAt(1.0);
    game.NewGame();
    EXPECT_EQ(s().GameRunning, 0);
    EXPECT_TRUE(host.highScoreChecks.empty());
}

TEST_F(GameLoop, ExitDuringAPauseEndsTheGame)
{
    QueueSame(7, 3);
    Key(0.25, KeyP);
    ExitAt(5.0);
    game.NewGame();
    EXPECT_EQ(s().GameRunning, 0);
    EXPECT_TRUE(host.highScoreChecks.empty());
}

TEST_F(GameLoop, NewGameInsideARunningGameRunsItsEndingExactlyOnce)
{
    QueueSame(7, 40);
    int depth = 0;
    host.At(T0 + 1.0, [&] {
        ++depth;
        game.NewGame();
        --depth;
    });
    game.NewGame();
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(host.highScoreChecks.size(), 1u);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "intro shown"), 1);
    EXPECT_EQ(s().GameRunning, 0);
    // The interrupted game did not step on the finished one's well afterwards.
    EXPECT_EQ(test::RowText(s().Board, 1), "....77....");
}

TEST_F(GameLoop, NewGameInsideRowClearingLeavesTheFinishedGameAlone)
{
    QueueSame(7, 60);
    bool nested = false;
    host.OnPresent = [&] {
        if (!nested && s().GameRunning != 0 && s().NewPiece) {
            nested = true;  // the first landing: start a fresh game during its row clearing
            host.Soon([&] { game.NewGame(); });
        }
    };
    GameState atEnd;
    host.OnCheckHighScore = [&](std::int32_t) { atEnd = s(); };
    game.NewGame();
    EXPECT_TRUE(nested);
    EXPECT_EQ(host.highScoreChecks.size(), 1u);
    EXPECT_EQ(s(), atEnd) << "the interrupted clearing went on after the new game ended";
}

TEST_F(GameLoop, NewGameWipesThePreviousWellOnScreen)
{
    QueueSame(7, 12);
    game.NewGame();
    const Well finalWell = s().Board;
    host.paints.clear();
    QueueSame(7, 3);
    ExitAt(host.Now() - T0 + 0.1);
    game.NewGame();
    for (int col = 1; col <= WellColumns; ++col) {
        for (int row = 3; row <= WellRows; ++row) {
            if (finalWell(col, row) != 0) {
                EXPECT_NE(std::find(host.paints.begin(), host.paints.end(), test::FakeHost::Paint{col, row, 0}),
                          host.paints.end())
                    << col << "," << row;
            }
        }
    }
}

struct LevelStart {
    std::optional<double> setting;
    int level;
    std::string label;
    double stepDelay;  // seconds
};

void PrintTo(const LevelStart& c, std::ostream* os)
{
    *os << "starting level " << (c.setting ? std::to_string(*c.setting) : std::string("unset"));
}

class NewGameLevel : public GameLoop, public ::testing::WithParamInterface<LevelStart> {};

TEST_P(NewGameLevel, LevelLabelAndStepDelayFollowTheSetting)
{
    const LevelStart& c = GetParam();
    s().Options.StartingLevel = c.setting;
    QueueSame(7, 3);
    ExitAt(0.1);
    game.NewGame();
    EXPECT_EQ(s().Level, c.level);
    EXPECT_EQ(host.counters[Counter::Level], c.label);
    EXPECT_EQ(host.counters[Counter::Score], "0");
    EXPECT_EQ(host.counters[Counter::Lines], "0");
    EXPECT_NEAR(s().StepDelay, c.stepDelay, 1e-12);
    EXPECT_FALSE(s().Paused);
    EXPECT_FALSE(s().Dropping);
}

INSTANTIATE_TEST_SUITE_P(Settings, NewGameLevel,
                         ::testing::Values(LevelStart{std::nullopt, 0, "", 0.5}, LevelStart{0.0, 0, "0", 0.5},
                                           LevelStart{4.5, 4, "4.5", 0.2876}, LevelStart{5.5, 6, "5.5", 0.2404},
                                           LevelStart{9.0, 9, "9", 0.0752}));

TEST_F(GameLoop, NewGameStartsUnpausedEvenAfterThePauseButtonBeforeIt)
{
    EXPECT_TRUE(game.TogglePause());
    QueueSame(7, 3);
    ExitAt(0.6);
    TrackRows();
    game.NewGame();
    EXPECT_GE(moments.back().row, 3);
}

TEST_F(GameLoop, PreFillOnlyTouchesTheBottomNineRows)
{
    for (int level : {0, 9}) {
        double filled = 0;
        std::array<int, 8> values{};
        constexpr int Games = 300;
        for (int i = 0; i < Games; ++i) {
            test::FakeHost h(T0, 1000u + static_cast<unsigned>(i));
            Game g(h);
            g.State().Options.FillLines = true;
            g.State().Options.StartingLevel = level;
            int presentsInNewGame = 0;
            h.OnPresent = [&] { presentsInNewGame += g.State().NewPiece ? 0 : 0, ++presentsInNewGame; };
            h.At(T0, [&] { g.RequestExit(); });
            int cells = 0;
            h.OnPreview = [&](int) {
                for (int col = 1; col <= WellColumns; ++col) {
                    for (int row = 3; row <= 9; ++row) {
                        EXPECT_EQ(g.State().Board(col, row), 0);
                    }
                    for (int row = 10; row <= WellRows; ++row) {
                        const int v = g.State().Board(col, row);
                        cells += v != 0;
                        ++values[static_cast<std::size_t>(v)];
                    }
                }
                // One repaint per filled block, one for the whole well, then the first piece's.
                EXPECT_EQ(presentsInNewGame, cells + 1);
            };
            g.NewGame();
            filled += cells;
        }
        const double mean = filled / Games;
        const double expected = 90.0 * (level + 1) / 30.0;
        EXPECT_NEAR(mean, expected, expected * 0.12) << "level " << level;
        for (int v = 1; v <= 7; ++v) {
            EXPECT_GT(values[static_cast<std::size_t>(v)], 0) << "value " << v;
        }
    }
}

}  // namespace
}  // namespace brixel

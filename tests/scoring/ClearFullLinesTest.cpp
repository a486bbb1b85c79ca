#include <gtest/gtest.h>

#include <limits>

#include "engine/Game.h"
#include "scoring/LineScoring.h"
#include "support/FakeHost.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

using Log = std::vector<std::string>;

class ClearFullLinesTest : public ::testing::Test {
protected:
    ClearFullLinesTest() : game(host)
    {
        s().SurfacesTaken = true;
        s().GameRunning = True16;
        s().StepDelay = BaseStepDelay;
        s().Options.PlaySounds = true;
    }
    GameState& s() { return game.State(); }
    void Fill(const std::vector<std::string>& rows) { test::FillRowsFromBottom(s().Board, rows); }
    Log Run()
    {
        host.log.clear();
        game.ClearFullLines();
        return host.log;
    }

    test::FakeHost host;
    Game game;
};

const std::string Full = "1234567123";

TEST_F(ClearFullLinesTest, NoFullRowHoldsTheGameOneTenthAndChangesNothing)
{
    Fill({"1111.11111"});
    const double start = host.Now();
    EXPECT_EQ(Run(), (Log{"present", "deliver"}));
    EXPECT_NEAR(host.Now() - start, 0.1, 1e-5);
    EXPECT_EQ(s().Score, 0);
    EXPECT_EQ(s().Lines, 0);
    EXPECT_EQ(s().Level, 0);
    EXPECT_DOUBLE_EQ(s().StepDelay, BaseStepDelay);
}

TEST_F(ClearFullLinesTest, SeparatedRowsCloseOneAfterTheOtherLowestFirst)
{
    Fill({"5.........", Full, "...7......", Full});  // rows 15..18
    EXPECT_EQ(Run(), (Log{"present", "deliver", "sound 105", "deliver", "present", "deliver", "present"}));
    EXPECT_EQ(test::RowText(s().Board, 18), "...7......");
    EXPECT_EQ(test::RowText(s().Board, 17), "5.........");
    EXPECT_EQ(test::RowText(s().Board, 16), "..........");
    EXPECT_EQ(s().Lines, 2);
    EXPECT_EQ(s().Score, 150);
}

TEST_F(ClearFullLinesTest, BothStagesArePaintedBlankRowsFirst)
{
    Fill({"...7......", Full});
    std::vector<std::string> seen;
    host.OnPresent = [&] { seen.push_back(test::RowText(s().Board, 18)); };
    Run();
    EXPECT_EQ(seen, (std::vector<std::string>{"..........", "...7......"}));
}

TEST_F(ClearFullLinesTest, FourRowsAtLevelZero)
{
    Fill({Full, Full, Full, Full});
    const Log log = Run();
    EXPECT_EQ(std::count(log.begin(), log.end(), "deliver"), 5);
    EXPECT_EQ(host.sounds, (std::vector<int>{107}));
    EXPECT_EQ(s().Lines, 4);
    EXPECT_EQ(s().Score, 1000);
    for (int row = 1; row <= WellRows; ++row) {
        EXPECT_EQ(test::RowText(s().Board, row), "..........");
    }
}

struct LevelCase {
    int linesBefore;
    int levelBefore;
    int rows;
    int levelAfter;
    int points;
    std::vector<int> sounds;
};

void PrintTo(const LevelCase& c, std::ostream* os)
{
    *os << c.rows << " rows at level " << c.levelBefore << " after " << c.linesBefore << " rows";
}

class LevelRule : public ClearFullLinesTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelRule, LevelPointsAndSounds)
{
    const LevelCase& c = GetParam();
    s().Lines = static_cast<std::int16_t>(c.linesBefore);
    s().Level = static_cast<std::int16_t>(c.levelBefore);
    std::vector<std::string> rows(static_cast<std::size_t>(c.rows), Full);
    Fill(rows);
    Run();
    EXPECT_EQ(s().Level, c.levelAfter);
    EXPECT_EQ(s().Lines, c.linesBefore + c.rows);
    EXPECT_EQ(s().Score, c.points);
    EXPECT_EQ(host.sounds, c.sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelRule,
    ::testing::Values(LevelCase{9, 0, 1, 1, 50 * 2, {104, 101}},        // the tenth row pays at the new level
                      LevelCase{10, 1, 3, 1, 500 * 2, {106}},           // 10 -> 13: no rise
                      LevelCase{8, 2, 4, 3, 1000 * 4, {107, 101}},      // 8 -> 12 at level 2
                      LevelCase{0, 5, 2, 5, 150 * 6, {105}},            // start level counts, not the rows
                      LevelCase{9, 5, 1, 6, 50 * 7, {104, 101}},        // started at 5, tenth row gives 6
                      LevelCase{19, 31, 4, 32, 1000 * 33, {107, 101}},  // wider than 16 bits
                      LevelCase{0, 700, 1, 700, 50 * 701, {104}}));

TEST_F(ClearFullLinesTest, StepDelayShrinksUpToLevelNineOnly)
{
    s().Lines = 9;
    s().Level = 8;
    s().StepDelay = 0.1224;  // seconds at level 8
    Fill({Full});
    Run();
    EXPECT_EQ(s().Level, 9);
    EXPECT_NEAR(s().StepDelay, 0.0752, 1e-9);

    host.sounds.clear();
    s().Lines = 19;
    Fill({Full});
    Run();
    EXPECT_EQ(s().Level, 10);
    EXPECT_NEAR(s().StepDelay, 0.0752, 1e-9);
}

TEST_F(ClearFullLinesTest, SoundsOffKeepsPausesAndPoints)
{
    s().Options.PlaySounds = false;
    s().Lines = 9;
    Fill({Full, Full});
    const Log log = Run();
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "deliver"), 3);
    EXPECT_EQ(s().Score, 150 * 2);
}

// The player may switch the sound in the options while the rows are held on
// screen; every effect still due after that follows the new choice.
struct SoundSwitchCase {
    const char* when;
    bool soundsAtStart;
    double switchAfter;  // seconds into the removal (first pause 0..0.1, sinking pause 0.1..0.2)
    std::vector<int> sounds;
};

TEST_F(ClearFullLinesTest, SoundSwitchedDuringAPauseHoldsForTheEffectsStillDue)
{
    const std::vector<SoundSwitchCase> cases = {
        {"off during the blank-row pause", true, 0.05, {}},
        {"off during the sinking pause", true, 0.15, {104}},
        {"on during the blank-row pause", false, 0.05, {104, 101}},
        {"on during the sinking pause", false, 0.15, {101}},
    };
    for (const SoundSwitchCase& c : cases) {
        host.sounds.clear();
        s().Lines = 9;  // the row raises the level, so a second effect follows the row sound
        s().Options.PlaySounds = c.soundsAtStart;
        Fill({Full});
        host.At(host.Now() + c.switchAfter, [this, &c] { s().Options.PlaySounds = !c.soundsAtStart; });
        Run();
        EXPECT_EQ(host.sounds, c.sounds) << c.when;
        EXPECT_EQ(s().Lines, 10) << c.when;
    }
}

TEST_F(ClearFullLinesTest, HardDropSkipsThePausesButNotTheSounds)
{
    s().Dropping = true;
    Fill({Full, "..1.......", Full});
    const double start = host.Now();
    const Log log = Run();
    EXPECT_EQ(std::count(log.begin(), log.end(), "deliver"), 0);
    EXPECT_EQ(host.Now(), start);
    EXPECT_EQ(host.sounds, (std::vector<int>{105}));
    EXPECT_EQ(test::RowText(s().Board, 18), "..1.......");
}

TEST_F(ClearFullLinesTest, BlocksInRowOneAreNotDuplicatedWhenRowsSink)
{
    s().Board(3, 1) = 4;
    Fill({Full});
    Run();
    EXPECT_EQ(test::RowText(s().Board, 1), "..........");
    EXPECT_EQ(test::RowText(s().Board, 2), "..4.......");
}

TEST_F(ClearFullLinesTest, AFullTopRowWithFullRowsBelowStillEnds)
{
    for (int col = 1; col <= WellColumns; ++col) {
        s().Board(col, 1) = 2;
    }
    Fill({Full, Full});
    Run();
    EXPECT_EQ(s().Lines, 3);
    for (int row = 1; row <= WellRows; ++row) {
        EXPECT_EQ(test::RowText(s().Board, row), "..........") << row;
    }
}

TEST_F(ClearFullLinesTest, MoreThanFourRowsPayPerGroupOfFourAndPlayTheFourRowSound)
{
    Fill({Full, Full, Full, Full, Full, Full});
    Run();
    EXPECT_EQ(host.sounds, (std::vector<int>{107}));
    EXPECT_EQ(s().Lines, 6);
    EXPECT_EQ(s().Score, 1000 + 150);

    host.sounds.clear();
    s().Lines = 8;
    s().Level = 0;
    Fill(std::vector<std::string>(13, Full));
    Run();
    EXPECT_EQ(s().Lines, 21);
    EXPECT_EQ(s().Level, 2) << "one rise for each multiple of ten passed";
    EXPECT_EQ(host.sounds, (std::vector<int>{107, 101}));
}

TEST_F(ClearFullLinesTest, CountersSaturateInsteadOfWrapping)
{
    s().Score = std::numeric_limits<std::int32_t>::max() - 10;
    s().Lines = 32766;
    s().Level = 32767;
    Fill({Full, Full, Full, Full});
    Run();
    EXPECT_EQ(s().Score, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(s().Lines, 32767);
    EXPECT_EQ(s().Level, 32767);
}

struct Points {
    int rows;
    int level;
    std::int64_t points;  // what the score label gains
};

TEST(LineScoring, PointsAPlayerReadsForRowsRemovedAtOnce)
{
    const Points table[] = {
        {0, 9, 0},         {1, 0, 50},         {2, 0, 150},        {3, 0, 500},       {4, 0, 1000},
        {4, 3, 4000},      {1, 9, 500},        {2, 9, 1500},       {3, 31, 16000},    {4, 655, 656000},
        {1, 32767, 1638400}, {4, 32767, 32768000}, {8, 0, 2000},   {6, 1, 2300},
    };
    for (const Points& p : table) {
        EXPECT_EQ(PointsFor(p.rows, p.level), p.points) << p.rows << " rows at level " << p.level;
    }
    EXPECT_EQ(RowSound(0), 0);
    EXPECT_EQ(RowSound(3), 106);
    EXPECT_EQ(RowSound(9), 107);
}

}  // namespace
}  // namespace brixel

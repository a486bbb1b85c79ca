// Plays game after game with random key presses through the scripted host,
// checking the well and the counters at every wait and at every new piece.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/Game.h"
#include "pieces/PieceMover.h"
#include "support/FakeHost.h"
#include "support/WellBuilder.h"

namespace brixel {
namespace {

constexpr std::uint64_t PiecesToPlay = 100000;

class Soak {
public:
    Soak() : m_host(10 * 3600.0, 4242), m_game(m_host), m_keys(99)
    {
        m_host.record = false;
        m_host.AfterDeliver = [this] { OnWait(); };
        m_host.OnPreview = [this](int) { OnNewPiece(); };
    }

    void Run()
    {
        while (m_host.previewCount < PiecesToPlay && !::testing::Test::HasFatalFailure()) {
            std::uniform_int_distribution<int> level(0, 9);
            GameState& s = m_game.State();
            s.Options.StartingLevel = level(m_keys);
            s.Options.FillLines = m_keys() % 3 == 0;
            m_startLevel = static_cast<int>(*s.Options.StartingLevel);
            m_lastScore = 0;
            m_lastLines = 0;
            m_downPressed = false;
            ++m_games;
            m_game.NewGame();
            ASSERT_EQ(s.GameRunning, 0);
            ASSERT_TRUE(s.GameOver);
        }
        ::testing::Test::RecordProperty("games", m_games);
        ::testing::Test::RecordProperty("rows", static_cast<int>(m_totalLines));
        ::testing::Test::RecordProperty("highestLevel", m_maxLevel);
        EXPECT_GE(m_host.previewCount, PiecesToPlay);
        EXPECT_GT(m_games, 10);
        EXPECT_GE(m_maxLevel, 9) << "some game should reach the fastest level";
        EXPECT_GT(m_totalLines, 1000) << "random play should still clear rows";
    }

private:
    void OnWait()
    {
        const GameState& s = m_game.State();
        const bool falling = s.GameRunning != 0 && !s.NewPiece && !s.GameOver;
        const std::string fault = test::CheckWell(s, falling);
        ASSERT_EQ(fault, "") << "game " << m_games;
        CheckCounters();
        ScheduleInput();
    }

    void OnNewPiece()
    {
        const GameState& s = m_game.State();
        ASSERT_EQ(test::CheckWell(s, false), "");
        const int cleared = s.Lines - m_lastLines;
        ASSERT_GE(cleared, 0);
        m_totalLines += cleared;
        const std::int64_t gained = static_cast<std::int64_t>(s.Score) - m_lastScore;
        // One piece removes at most four rows: 50, 150, 500 or 1000 points a row count, times (level + 1).
        constexpr std::int64_t RowPoints[] = {0, 50, 150, 500, 1000};
        ASSERT_LE(cleared, 4);
        const std::int64_t points = RowPoints[cleared] * (s.Level + 1);
        // Row points, plus at most the rows of one hard drop when Down was pressed.
        ASSERT_GE(gained, points);
        ASSERT_LE(gained, points + (m_downPressed ? WellRows : 0));
        m_lastScore = s.Score;
        m_lastLines = s.Lines;
        m_downPressed = false;
        ChooseTarget();
        m_maxLevel = std::max<int>(m_maxLevel, s.Level);
        CheckCounters();
    }

    void CheckCounters()
    {
        const GameState& s = m_game.State();
        ASSERT_EQ(s.Level, m_startLevel + s.Lines / 10);
        // Seconds per step at levels 0..9; from level 9 on the game goes no faster.
        constexpr double StepDelayAt[] = {0.5, 0.4528, 0.4056, 0.3584, 0.3112, 0.264, 0.2168, 0.1696, 0.1224, 0.0752};
        ASSERT_NEAR(s.StepDelay, StepDelayAt[std::min<int>(s.Level, 9)], 1e-9);
    }

    // Now and then a key arrives a little later: mostly steering, some hard
    // drops, and short pauses that the next P ends.
    void ScheduleInput()
    {
        if (m_pending) {
            return;
        }
        m_pending = true;
        std::uniform_real_distribution<double> delay(0.0, 0.15);
        m_host.At(m_host.Now() + delay(m_keys), [this] {
            m_pending = false;
            int key = NextKey();
            if (m_game.State().Paused || m_keys() % 200 == 0) {
                key = KeyP;
            }
            if (key == KeyDown && !m_game.State().NewPiece && !m_game.State().Paused) {
                m_downPressed = true;
            }
            m_game.KeyPressed(key);
        });
    }

    // Steers each piece towards a column and a turn chosen when it arrives,
    // with some noise, so rows do get completed.
    int NextKey()
    {
        static constexpr int Noise[] = {KeyLeft, KeyRight, KeyUp, KeyClear, KeyDown, 65};
        const GameState& s = m_game.State();
        if (m_keys() % 10 == 0) {
            return Noise[m_keys() % std::size(Noise)];
        }
        if (m_turnsLeft > 0) {
            --m_turnsLeft;
            return KeyUp;
        }
        if (s.PieceCol < m_targetCol) {
            return KeyRight;
        }
        if (s.PieceCol > m_targetCol) {
            return KeyLeft;
        }
        return KeyDown;
    }

    // Rates where the new piece would rest for every turn and column and aims
    // for the best one (now and then a random one), like a casual player.
    void ChooseTarget()
    {
        m_targetCol = 1 + static_cast<int>(m_keys() % WellColumns);
        m_turnsLeft = static_cast<int>(m_keys() % 4);
        if (m_keys() % 8 == 0) {
            return;
        }
        double best = -1e18;
        for (int turns = 0; turns < 4; ++turns) {
            for (int col = 1; col <= WellColumns; ++col) {
                GameState trial = m_game.State();
                bool ok = true;
                for (int i = 0; i < turns && ok; ++i) {
                    ok = TurnPiece(trial);
                }
                while (ok && trial.PieceCol != col) {
                    ok = ShiftPiece(trial, trial.PieceCol < col ? 1 : -1);
                }
                if (!ok) {
                    continue;
                }
                while (LowerPiece(trial)) {
                }
                const double score = Rate(trial.Board);
                if (score > best) {
                    best = score;
                    m_targetCol = col;
                    m_turnsLeft = turns;
                }
            }
        }
    }

    static double Rate(const Well& w)
    {
        int full = 0;
        int holes = 0;
        int height = 0;
        for (int row = 1; row <= WellRows; ++row) {
            bool rowFull = true;
            for (int col = 1; col <= WellColumns; ++col) {
                rowFull = rowFull && w(col, row) != 0;
            }
            full += rowFull;
        }
        for (int col = 1; col <= WellColumns; ++col) {
            bool covered = false;
            for (int row = 1; row <= WellRows; ++row) {
                if (w(col, row) != 0) {
                    if (!covered) {
                        height += WellRows - row + 1;
                    }
                    covered = true;
                } else if (covered) {
                    ++holes;
                }
            }
        }
        return 8.0 * full - 4.0 * holes - 0.5 * height;
    }

    test::FakeHost m_host;
    Game m_game;
    std::mt19937 m_keys;
    bool m_pending = false;
    bool m_downPressed = false;
    int m_games = 0;
    int m_startLevel = 0;
    int m_maxLevel = 0;
    std::int64_t m_lastScore = 0;
    int m_lastLines = 0;
    std::int64_t m_totalLines = 0;
    int m_targetCol = 5;
    int m_turnsLeft = 0;
};

TEST(Soak, HundredThousandPiecesKeepEveryInvariant)
{
    Soak soak;
    soak.Run();
}

}  // namespace
}  // namespace brixel

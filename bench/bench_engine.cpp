// Costs of the game's inner procedures, measured against a host that does
// nothing, so only the game's own work is counted.
#include <benchmark/benchmark.h>

#include "engine/Game.h"

namespace {

using namespace brixel;

class SilentHost : public GameHost {
public:
    double Clock() override { return m_now; }
    void DeliverEvents(std::optional<double> timeout) override { m_now += timeout.value_or(0.0) + 1e-6; }
    void Randomize() override {}
    double Random() override
    {
        m_seed = m_seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_seed >> 11) * (1.0 / 9007199254740992.0);
    }
    void PaintTile(int, int, int tile) override { benchmark::DoNotOptimize(tile); }
    void PresentWell() override { ++presents; }
    void SetCounterText(Counter, const std::string&) override {}
    void ShowPreview(int) override {}
    void SetIntroVisible(bool) override {}
    std::string Title() override { return {}; }
    void SetTitle(const std::string&) override {}
    WindowState GetWindowState() override { return WindowState::Normal; }
    void PlaySound(int) override {}
    void CheckHighScore(std::int32_t) override {}

    std::uint64_t presents = 0;

private:
    double m_now = 36000.0;
    std::uint64_t m_seed = 1;
};

// One gravity step of an upright bar with the repaint the game loop makes around it.
void BM_GravityStep(benchmark::State& state)
{
    SilentHost host;
    Game game(host);
    GameState& s = game.State();
    s.SurfacesTaken = true;
    for (auto _ : state) {
        if (s.PieceRow == 0 || s.NewPiece) {
            s.Board.Clear();
            s.PieceType = 1;
            s.PieceState = 2;
            s.PieceCol = 5;
            s.PieceRow = 2;
            s.NewPiece = false;
            for (int r = 1; r <= 4; ++r) {
                s.Board(5, r) = 1;
            }
        }
        s.LastBoard = s.Board;
        game.DropStep();
        game.DrawBoard();
    }
}
BENCHMARK(BM_GravityStep);

// One shift left or right with its change detection and repaint.
void BM_LateralMove(benchmark::State& state)
{
    SilentHost host;
    Game game(host);
    GameState& s = game.State();
    s.SurfacesTaken = true;
    s.PieceType = 6;
    s.PieceState = 1;
    s.PieceCol = 5;
    s.PieceRow = 9;
    for (auto [c, r] : {std::pair{5, 8}, {4, 9}, {5, 9}, {6, 9}}) {
        s.Board(c, r) = 6;
    }
    bool left = true;
    for (auto _ : state) {
        left ? game.MoveLeft() : game.MoveRight();
        left = !left;
    }
}
BENCHMARK(BM_LateralMove);

// Removing four rows at once, with both visible stages and the four sinkings.
void BM_ClearFourRows(benchmark::State& state)
{
    SilentHost host;
    Game game(host);
    GameState& s = game.State();
    s.SurfacesTaken = true;
    s.Dropping = true;  // no waits, as during a hard drop
    for (auto _ : state) {
        state.PauseTiming();
        s.Board.Clear();
        s.Lines = 0;
        for (int row = 15; row <= 18; ++row) {
            for (int col = 1; col <= 10; ++col) {
                s.Board(col, row) = static_cast<std::int16_t>(col % 7 + 1);
            }
        }
        s.Board(3, 14) = 2;
        state.ResumeTiming();
        game.ClearFullLines();
    }
}
BENCHMARK(BM_ClearFourRows);

// Whole games through PlayGame with no input: every turn is a gravity step,
// an arrival or a landing. Counts presentations of the well, one per turn
// plus the two stages of each landing's row check.
void BM_PlayGameTurns(benchmark::State& state)
{
    SilentHost host;
    Game game(host);
    std::uint64_t turns = 0;
    for (auto _ : state) {
        const std::uint64_t before = host.presents;
        game.NewGame();
        turns += host.presents - before;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(turns));
}
BENCHMARK(BM_PlayGameTurns);

}  // namespace

BENCHMARK_MAIN();

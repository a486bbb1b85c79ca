// What the window adds to a move: DrawBoard painting the changed tiles into
// the back buffer and presenting the well at once, measured in the real main
// window on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QTest>

#include "app/MainWindow.h"
#include "pieces/PieceMover.h"

namespace {

using namespace brixel;

// A shown main window with a game that has a T piece (type 3) falling mid-well.
struct WindowWithPiece {
    WindowWithPiece()
    {
        window.ShowCentred();
        (void)QTest::qWaitForWindowExposed(&window);
        // As in a game: the first press of a menu button took the intro away.
        window.SetIntroVisible(false);
        GameState& s = window.Game().State();
        s.SurfacesTaken = true;
        s.GameRunning = True16;
        s.PieceType = 3;
        s.PieceState = 1;
        s.PieceCol = 5;
        s.PieceRow = 9;
        PlaceNewPiece(s);
        window.Game().DrawBoard();
    }
    MainWindow window;
};

// One iteration is a move left and a move back: two DrawBoard calls, each
// repainting the cells the piece left and entered.
void BM_DrawBoardAfterMove(benchmark::State& state)
{
    WindowWithPiece w;
    Game& game = w.window.Game();
    for (auto _ : state) {
        game.MoveLeft();
        game.MoveRight();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel("items = DrawBoard calls");
}
BENCHMARK(BM_DrawBoardAfterMove);

// Only the presentation: nothing changed, the whole well is copied and shown.
void BM_DrawBoardUnchanged(benchmark::State& state)
{
    WindowWithPiece w;
    Game& game = w.window.Game();
    game.State().LastBoard = game.State().Board;
    for (auto _ : state) {
        game.DrawBoard();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawBoardUnchanged);

// The tile copy alone, into the back buffer.
void BM_PaintTile(benchmark::State& state)
{
    WindowWithPiece w;
    int tile = 0;
    for (auto _ : state) {
        w.window.PaintTile(4, 7, tile);
        tile = (tile + 1) & 7;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PaintTile);

}  // namespace

#include "core/GameState.h"

namespace brixel {

void GameState::Reset()
{
    Board.Clear();
    LastBoard.Clear();
    PieceType = PieceState = PieceCol = PieceRow = NextType = 0;
    Score = 0;
    Lines = Level = 0;
    GameRunning = False16;
    NewPiece = GameOver = Dropping = Paused = false;
    DropStartRow = 0;
    StepDelay = 0.0;
    SurfacesTaken = false;
    Options = Settings{};
}

}  // namespace brixel

#include "engine/Game.h"

#include <cmath>

#include "core/NumberText.h"
#include "pieces/PieceCatalogue.h"
#include "pieces/PieceMover.h"
#include "scoring/LineScoring.h"

namespace brixel {

namespace {

#ifdef FALLOX_BUSY_WAIT
constexpr bool BusyWait = true;  // comparison build: the wait spins like a naive loop
#else
constexpr bool BusyWait = false;
#endif

constexpr double RowPause = 0.1;       // seconds each stage of a row removal is held
constexpr int FirstFillRow = 10;       // pre-filled blocks appear in rows 10..18
constexpr int FillDrawRange = 30;      // a cell is filled when int(random * 30) <= level
constexpr int SoundLanding = 102;
constexpr int SoundStep = 103;
constexpr int SoundLevel = 101;

}  // namespace

std::int16_t Game::DrawPieceType()
{
    return static_cast<std::int16_t>(static_cast<int>(m_host.Random() * PieceTypes) + 1);
}

void Game::AddScore(std::int64_t points)
{
    m_s.Score = SaturatingAdd32(m_s.Score, points);
}

void Game::ShowCounters()
{
    m_host.SetCounterText(Counter::Score, DecimalText(m_s.Score));
    m_host.SetCounterText(Counter::Level, DecimalText(m_s.Level));
    m_host.SetCounterText(Counter::Lines, DecimalText(m_s.Lines));
}

void Game::PlayEffect(int number)
{
    if (m_s.Options.PlaySounds.value_or(false)) {
        m_host.PlaySound(number);
    }
}

void Game::NewGame()
{
    ++m_game;  // a game still running underneath this one stops when it sees this
    m_host.Randomize();
    m_s.LastBoard = m_s.Board;
    m_s.Board.Clear();
    m_s.SurfacesTaken = true;

    const double startingLevel = m_s.Options.StartingLevel.value_or(0.0);
    m_s.Lines = m_s.PieceType = m_s.NextType = m_s.PieceState = m_s.PieceCol = m_s.PieceRow = 0;
    m_s.Score = 0;
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    m_s.Level = static_cast<std::int16_t>(std::nearbyint(startingLevel));
    m_s.GameRunning = True16;
    m_s.Dropping = false;
    m_s.Paused = false;

    m_host.SetCounterText(Counter::Score, DecimalText(m_s.Score));
    m_host.SetCounterText(Counter::Lines, DecimalText(m_s.Lines));
    m_host.SetCounterText(Counter::Level, LevelText(m_s.Options.StartingLevel));
    m_s.StepDelay = BaseStepDelay - startingLevel * DelayStepPerLevel;
    m_s.DropStartRow = 0;

    if (m_s.Options.FillLines.value_or(false)) {
        for (int col = 1; col <= WellColumns; ++col) {
            for (int row = FirstFillRow; row <= WellRows; ++row) {
                if (static_cast<int>(m_host.Random() * FillDrawRange) <= startingLevel) {
                    m_s.Board(col, row) = DrawPieceType();
                    DrawBoard();
                    m_s.LastBoard = m_s.Board;
                }
            }
        }
    }
    DrawBoard();
    m_s.LastBoard = m_s.Board;
    PlayGame();
}

void Game::PlayGame()
{
    const std::uint64_t game = m_game;
    m_host.Randomize();
    m_s.GameOver = false;
    m_s.NewPiece = true;
    m_s.NextType = DrawPieceType();

    for (;;) {
        m_s.LastBoard = m_s.Board;
        if (m_s.NewPiece) {
            m_s.PieceType = m_s.NextType;
            m_s.NextType = DrawPieceType();
            m_s.PieceCol = SpawnCol;
            m_s.PieceState = 1;
            m_s.PieceRow = static_cast<std::int16_t>(SpawnRow(m_s.PieceType));
            PlaceNewPiece(m_s);
            m_host.ShowPreview(m_s.NextType);
            m_s.NewPiece = false;
        } else {
            DropStep();
        }
        DrawBoard();

        if (m_s.NewPiece) {
            ClearFullLines();
            if (Superseded(game)) {
                break;
            }
            ShowCounters();
        }

        if (m_s.Dropping) {
            if (m_s.NewPiece) {
                m_s.Dropping = false;
                if (m_s.DropStartRow != 0) {
                    AddScore(m_s.PieceRow - m_s.DropStartRow);
                    m_host.SetCounterText(Counter::Score, DecimalText(m_s.Score));
                    m_s.DropStartRow = 0;
                }
            }
        } else {
            WaitTick(m_s.StepDelay);
        }

        // A game started inside this one's wait has already run its own ending.
        if (Superseded(game)) {
            break;
        }
        if (m_s.GameOver) {
            m_s.GameRunning = False16;
            m_host.SetIntroVisible(true);
            m_host.CheckHighScore(m_s.Score);
            return;
        }
    }
    if (m_exitRequested && m_game == game) {
        m_s.GameRunning = False16;
    }
}

void Game::WaitTick(double seconds)
{
    if (m_s.Dropping) {
        return;
    }
    const double start = m_host.Clock();
    WindowState lastState = m_host.GetWindowState();
    for (;;) {
        const double now = m_host.Clock();
        // A clock below the start time means midnight has passed: the wait ends.
        const bool timeLeft = now >= start && now - start < seconds;
        if (!m_s.Paused && !timeLeft) {
            break;
        }
        if (m_s.GameOver || m_s.Dropping) {
            return;
        }
        if (m_s.Paused) {
            if (m_host.Title() != PausedTitle) {
                m_host.SetTitle(PausedTitle);
            }
            // Coming back from the taskbar leaves the visible well blank.
            const WindowState state = m_host.GetWindowState();
            if (state != lastState) {
                RefreshWell();
            }
            lastState = state;
        }
        std::optional<double> timeout;
        if (BusyWait) {
            timeout = 0.0;
        } else if (!m_s.Paused) {
            timeout = seconds - (now - start);
        }
        m_host.DeliverEvents(timeout);
    }
    if (m_host.Title() == PausedTitle) {
        m_host.SetTitle(RunningTitle);
    }
}

void Game::DrawBoard()
{
    if (!m_s.SurfacesTaken) {
        return;
    }
    for (int col = 1; col <= WellColumns; ++col) {
        for (int row = 1; row <= WellRows; ++row) {
            const std::int16_t cell = m_s.Board(col, row);
            if (cell != m_s.LastBoard(col, row) && cell >= 0 && cell <= PieceTypes) {
                m_host.PaintTile(col, row, cell);
            }
        }
    }
    m_host.PresentWell();
}

void Game::RefreshWell()
{
    // The repaint shows the well from the same origin as a normal paint, so
    // the well does not jump by a pixel when it comes back during a pause.
    if (m_s.SurfacesTaken) {
        m_host.PresentWell();
    }
}

void Game::MoveLeft()
{
    m_s.LastBoard = m_s.Board;
    ShiftPiece(m_s, -1);
    DrawBoard();
}

void Game::MoveRight()
{
    m_s.LastBoard = m_s.Board;
    ShiftPiece(m_s, +1);
    DrawBoard();
}

void Game::RotatePiece()
{
    m_s.LastBoard = m_s.Board;
    TurnPiece(m_s);
    DrawBoard();
}

void Game::DropStep()
{
    if (!LowerPiece(m_s)) {
        m_s.NewPiece = true;
    }
    if (m_s.NewPiece) {
        PlayEffect(SoundLanding);
    } else if (!m_s.Dropping) {
        PlayEffect(SoundStep);
    }
}

void Game::ClearFullLines()
{
    const std::uint64_t game = m_game;
    RowFlags fullRow{};
    m_s.LastBoard = m_s.Board;
    const int rows = FindAndBlankFullRows(m_s.Board, fullRow);
    DrawBoard();
    WaitTick(RowPause);
    if (Superseded(game)) {
        return;
    }
    if (rows > 0) {
        PlayEffect(RowSound(rows));
    }

    int r = WellRows;
    bool shifted = false;
    while (r >= 2) {
        if (shifted) {
            shifted = false;
            ++r;  // the row that just sank into r may be full as well
        }
        if (fullRow[r]) {
            m_s.LastBoard = m_s.Board;
            CollapseRow(m_s.Board, fullRow, r);
            shifted = true;
            WaitTick(RowPause);
            if (Superseded(game)) {
                return;
            }
            DrawBoard();
        }
        --r;
    }

    const int rises = LevelRises(m_s.Lines, rows);
    if (rises > 0) {
        PlayEffect(SoundLevel);
        ApplyLevelRises(m_s, rises);
    }
    m_s.Lines = SaturatingAdd16(m_s.Lines, rows);
    AddScore(PointsFor(rows, m_s.Level));
}

void Game::KeyPressed(int keyCode)
{
    if (!m_s.Paused && !m_s.NewPiece && m_s.GameRunning != 0) {
        switch (keyCode) {
        case KeyLeft:
            MoveLeft();
            break;
        case KeyRight:
            MoveRight();
            break;
        case KeyUp:
        case KeyClear:
            RotatePiece();
            break;
        case KeyDown:
            m_s.Dropping = true;
            if (m_s.DropStartRow == 0) {
                m_s.DropStartRow = m_s.PieceRow;
            }
            break;
        case KeyP:
            m_s.Paused = true;
            break;
        default:
            break;
        }
    } else if (m_s.GameRunning != 0 && m_s.Paused && keyCode == KeyP) {
        m_s.Paused = false;
    }
}

bool Game::TogglePause()
{
    m_s.Paused = !m_s.Paused;
    return m_s.Paused;
}

void Game::OptionsOpened()
{
    if (m_s.GameRunning != 0) {
        m_s.Paused = true;
    }
}

void Game::WindowRestored()
{
    if (m_s.GameRunning != 0) {
        m_s.Paused = true;
    }
}

void Game::RequestExit()
{
    m_exitRequested = true;
    m_s.GameOver = true;
}

}  // namespace brixel

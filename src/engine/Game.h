#pragma once

#include <cstdint>
#include <string>

#include "core/GameHost.h"
#include "core/GameState.h"

namespace brixel {

// Virtual key codes the game reacts to.
enum KeyCode : int { KeyClear = 12, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40, KeyP = 80 };

inline constexpr const char* PausedTitle = "Brixel32 - Paused";
inline constexpr const char* RunningTitle = "Brixel32";

// The game module: the one game state and every procedure that works on it.
// A game is one call of NewGame; the window's handlers run inside its waits.
class Game {
public:
    explicit Game(GameHost& host) : m_host(host) {}

    GameState& State() { return m_s; }
    const GameState& State() const { return m_s; }

    // "Neues spiel": prepares a game and plays it; returns when it is over.
    void NewGame();

    // The key handler's game rules, by virtual key code.
    void KeyPressed(int keyCode);

    // The pause button: inverts Paused and returns the new value.
    bool TogglePause();

    // The options button: holds a running game.
    void OptionsOpened();

    // The window came back to its normal size: holds a running game.
    void WindowRestored();

    // The exit button or any other close of the main window: every running
    // game loop ends at its next check, without name entry.
    void RequestExit();
    bool ExitRequested() const { return m_exitRequested; }

    // Shows the back buffer again (activation of the main window).
    void RefreshWell();

    // The game procedures, public so tests and benchmarks can drive them one by one.
    void PlayGame();
    void WaitTick(double seconds);
    void DrawBoard();
    void MoveLeft();
    void MoveRight();
    void RotatePiece();
    void DropStep();
    void ClearFullLines();

private:
    std::int16_t DrawPieceType();
    void AddScore(std::int64_t points);
    void ShowCounters();
    // Plays effect 101..107 when sounds are on at this moment: the player may
    // have switched them in the options during a wait just before.
    void PlayEffect(int number);
    bool Superseded(std::uint64_t game) const { return m_game != game || m_exitRequested; }

    GameHost& m_host;
    GameState m_s;
    std::uint64_t m_game = 0;  // counts NewGame calls; a loop whose game was replaced stops
    bool m_exitRequested = false;
};

}  // namespace brixel

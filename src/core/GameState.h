#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace brixel {

inline constexpr int WellColumns = 10;
inline constexpr int WellRows = 18;

// Truth values kept in 16-bit integers follow the game's old convention.
inline constexpr std::int16_t True16 = -1;
inline constexpr std::int16_t False16 = 0;

// The well: 10 columns by 18 rows, addressed (column 1..10, row 1..18).
// A cell holds 0 (empty) or 1..7 (a block of that piece type, also its tile).
class Well {
public:
    std::int16_t& operator()(int col, int row) { return m_cells[Index(col, row)]; }
    std::int16_t operator()(int col, int row) const { return m_cells[Index(col, row)]; }

    static bool Inside(int col, int row)
    {
        return col >= 1 && col <= WellColumns && row >= 1 && row <= WellRows;
    }

    void Clear() { m_cells.fill(0); }
    bool operator==(const Well&) const = default;

private:
    static constexpr int Index(int col, int row) { return (row - 1) * WellColumns + (col - 1); }
    std::array<std::int16_t, WellColumns * WellRows> m_cells{};
};

// The four player options. Unset until the options dialog is confirmed (or
// read back from the settings file); unset counts as 0, false or empty text.
struct Settings {
    std::optional<double> StartingLevel;  // level a new game starts at, 0..9
    std::optional<bool> FillLines;        // a new game starts with scattered blocks in rows 10..18
    std::optional<bool> PlaySounds;       // sound effects play
    std::optional<bool> HideSplash;       // stored and shown in the dialog only

    bool operator==(const Settings&) const = default;
};

// Everything the game procedures work on. One instance lives for the whole run.
struct GameState {
    Well Board;                    // the well as the game sees it
    Well LastBoard;                // the well as the screen shows it (taken before each visible change)

    std::int16_t PieceType = 0;    // type of the falling piece, 1..7 (0 before the first piece)
    std::int16_t PieceState = 0;   // rotation state, 1..StateCount of the type
    std::int16_t PieceCol = 0;     // reference cell column, 1..10
    std::int16_t PieceRow = 0;     // reference cell row, 1..18
    std::int16_t NextType = 0;     // type shown in the preview, 1..7

    std::int32_t Score = 0;        // points of the running game, saturates at INT32_MAX
    std::int16_t Lines = 0;        // rows removed in this game, saturates at 32767
    std::int16_t Level = 0;        // current level, keeps rising past 9, saturates at 32767

    std::int16_t GameRunning = False16;  // -1 from NewGame until the game loop ends
    bool NewPiece = false;         // no falling piece: the next turn brings in NextType
    bool GameOver = false;         // the running loop and its wait end when they see it
    bool Dropping = false;         // a hard drop runs: no waits until the piece lands
    bool Paused = false;           // the wait holds the game while set
    std::int16_t DropStartRow = 0; // PieceRow at the first Down press of this piece, 0 = none

    double StepDelay = 0.0;        // seconds between two gravity steps
    bool SurfacesTaken = false;    // the drawing surfaces exist (after the first NewGame)

    Settings Options;

    GameState() { Reset(); }
    // Puts every field back to its value at program start.
    void Reset();
    bool operator==(const GameState&) const = default;
};

}  // namespace brixel

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brixel {

enum class Counter { Score, Lines, Level };
enum class WindowState { Normal, Minimized, Maximized };

// Everything the game needs from the world outside it: the clock, the event
// queue, chance, the screen, the speaker and the high-score table. The Qt
// windows implement it for the player; the tests implement a scripted fake.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Called for every timing decision; expects the time of day in seconds
    // since midnight (fractions included), falling back to 0 at midnight.
    virtual double Clock() = 0;

    // Called on every pass of a wait; delivers all pending events, sleeping
    // until one arrives or `timeout` seconds pass (no limit while paused).
    virtual void DeliverEvents(std::optional<double> timeout) = 0;

    // Called at the start of NewGame and PlayGame; reseeds chance from the clock.
    virtual void Randomize() = 0;

    // Called for every random draw; expects a uniform number in [0, 1).
    virtual double Random() = 0;

    // Called by DrawBoard for each changed cell; copies tile 0..7 into the back buffer.
    virtual void PaintTile(int col, int row, int tile) = 0;

    // Called at the end of DrawBoard and by repaints; shows the whole back buffer now.
    virtual void PresentWell() = 0;

    // Called when a counter changes; shows the text in its label.
    virtual void SetCounterText(Counter counter, const std::string& text) = 0;

    // Called when a piece comes in; shows the preview of piece type 1..7.
    virtual void ShowPreview(int pieceType) = 0;

    // Called at the end of a game; shows (or hides) the intro picture over the well.
    virtual void SetIntroVisible(bool visible) = 0;

    // Called by the pause handling; expects and sets the main window's title.
    virtual std::string Title() = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // Called by the pause handling; expects the main window's current state.
    virtual WindowState GetWindowState() = 0;

    // Called at the sound trigger points when sounds are on; returns when the effect has played.
    virtual void PlaySound(int number) = 0;

    // Called once when a game ends normally; runs name entry and shows the table if the score qualifies.
    virtual void CheckHighScore(std::int32_t score) = 0;
};

}  // namespace brixel

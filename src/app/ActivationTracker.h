#pragma once

#include <functional>

#include <QPointer>
#include <QWindow>

// Decides which moves of the keyboard focus activate the main window: focus
// coming back to it from another window of this program (a dialog closed, or
// the player clicked back) counts; focus coming back from another program
// does not, so a window the player dragged away stays there. Message and
// input boxes are not windows of the game in this sense: closing one of
// them gives the focus back without an activation.
class ActivationTracker {
public:
    using IsGameWindow = std::function<bool(const QWindow*)>;

    explicit ActivationTracker(const QWindow* main, IsGameWindow isGameWindow = {})
        : m_main(main), m_isGameWindow(std::move(isGameWindow))
    {
    }

    void SetMainWindow(const QWindow* main) { m_main = main; }

    // The program's skinned windows (options, high scores) are windows of the
    // game; message and input boxes are not.
    static bool IsSkinnedWindow(const QWindow* window);

    // Feed every change of the program's focus window (nullptr when the
    // program lost the focus); true when this change activates the main window.
    bool FocusMoved(QWindow* now);

private:
    const QWindow* m_main;
    IsGameWindow m_isGameWindow;  // unset: every window of ours counts
    QPointer<QWindow> m_last;   // the last window of ours that had the focus
    bool m_lastWasOther = false;  // ...and it was another game window
    bool m_gap = false;         // the program had no focus window since then
};

#pragma once

#include <QPointer>
#include <QWindow>

// Decides which moves of the keyboard focus activate the main window: focus
// coming back to it from another window of this program (a dialog closed, or
// the player clicked back) counts; focus coming back from another program
// does not, so a window the player dragged away stays there.
class ActivationTracker {
public:
    explicit ActivationTracker(const QWindow* main) : m_main(main) {}

    void SetMainWindow(const QWindow* main) { m_main = main; }

    // Feed every change of the program's focus window (nullptr when the
    // program lost the focus); true when this change activates the main window.
    bool FocusMoved(QWindow* now);

private:
    const QWindow* m_main;
    QPointer<QWindow> m_last;   // the last window of ours that had the focus
    bool m_lastWasOther = false;  // ...and it was not the main window
    bool m_gap = false;         // the program had no focus window since then
};

#include "app/ActivationTracker.h"

#include <algorithm>

#include <QApplication>
#include <QWidget>

#include "media/SkinnedWindow.h"

bool ActivationTracker::IsSkinnedWindow(const QWindow* window)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [window](const QWidget* w) {
        return w->windowHandle() == window && qobject_cast<const SkinnedWindow*>(w) != nullptr;
    });
}

bool ActivationTracker::FocusMoved(QWindow* now)
{
    if (now == nullptr) {
        // Either another program took the focus, or one of our windows
        // closed and the platform has not yet handed the focus on.
        m_gap = true;
        return false;
    }
    const QPointer<QWindow> before = m_last;
    const bool beforeWasOther = m_lastWasOther;
    const bool gap = m_gap;
    m_last = now;
    m_lastWasOther = now != m_main && (!m_isGameWindow || m_isGameWindow(now));
    m_gap = false;

    if (now != m_main || !beforeWasOther) {
        return false;
    }
    // Straight from another of our windows: an activation. After a gap it is
    // one only if that window went away (closed, hidden or deleted); if it
    // is still shown, the focus came from another program.
    return !gap || before.isNull() || !before->isVisible();
}

#include "media/DesktopMove.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "media/DesktopSession.h"

namespace {

// Waits while the desktop moves the window (QWindow::startSystemMove). Qt
// reports no end of such a move: the first input after it shows that it is
// over, a release, a motion without the button, a press, an Enter or a key,
// or the window being activated again after the move took its activation
// away. Through XWayland a
// Leave comes at the end too; natively one comes as the move starts, so there
// it tells nothing. Like the own loop this holds whatever waits for the
// press's handler (a running game); the input that ends the wait is handled as
// usual, so the click after a drag acts.
class DesktopMoveWait : public QObject {
public:
    explicit DesktopMoveWait(QWidget* window)
        : m_window(window), m_leaveEnds(!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    {
    }

    void Run()
    {
        QCoreApplication::instance()->installEventFilter(this);
        m_loop.exec();
        QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonPress:
        case QEvent::Enter:
        case QEvent::KeyPress:
            m_loop.quit();
            break;
        case QEvent::MouseMove:
            // A motion with the button still down was on its way before the
            // desktop took the pointer.
            if (!(static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
                m_loop.quit();
            }
            break;
        case QEvent::Leave:
            if (m_leaveEnds) {
                m_loop.quit();
            }
            break;
        case QEvent::WindowDeactivate:
            m_deactivated = m_deactivated || watched == m_window;
            break;
        case QEvent::WindowActivate:
            if (watched == m_window && m_deactivated) {
                m_loop.quit();
            }
            break;
        case QEvent::Hide:
            if (watched == m_window) {
                m_loop.quit();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_window;
    const bool m_leaveEnds;
    bool m_deactivated = false;
    QEventLoop m_loop;
};

}  // namespace

// On a Wayland desktop the compositor moves windows: natively a window cannot
// place itself, and through XWayland some compositors ignore a window moving
// itself. Elsewhere (X11, with or without a window manager) the window's own
// loop follows the pointer exactly, where a window manager's move may leave
// the window stuck to the pointer after the release.
bool DesktopMove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (!InWaylandSession(SessionEnvironment::FromProcess()) || handle == nullptr || !handle->startSystemMove()) {
        return false;
    }
    DesktopMoveWait(window).Run();
    return true;
}


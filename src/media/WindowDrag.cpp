#include "media/WindowDrag.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include "media/DesktopMove.h"

namespace {

// Follows the mouse until the left button is let go. The window grabs the
// mouse, so it keeps the pointer when a fast move outruns it, and a window
// manager cannot take the release away. Like a platform's modal move loop it
// runs its own event loop: whatever waits for the press's handler (a running
// game) holds until the release, and keys and other clicks made meanwhile are
// dropped rather than saved up for afterwards.
class OwnMoveLoop : public QObject {
public:
    OwnMoveLoop(QWidget* window, QPoint pressedAt) : m_window(window), m_grab(pressedAt - window->pos()) {}

    void Run(QPoint pointer)
    {
        m_window->move(pointer - m_grab);
        m_window->grabMouse();
        QCoreApplication::instance()->installEventFilter(this);
        // Run as the modal loop it is: Qt in a browser suspends the program
        // for a dialog's loop, but leaves a plain nested loop's stack behind.
        m_loop.exec(QEventLoop::DialogExec);
        QCoreApplication::instance()->removeEventFilter(this);
        if (m_window) {
            m_window->releaseMouse();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Qt hands input to the native window first and then to a widget;
        // taking it at the widget leaves Qt's own bookkeeping of the buttons intact.
        if (!watched->isWidgetType()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_window) {
                m_window->move(mouse->globalPosition().toPoint() - m_grab);
            }
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_loop.quit();  // the release went elsewhere
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                m_loop.quit();
            }
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        case QEvent::Hide:
            if (watched == m_window) {
                m_loop.quit();
            }
            return false;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_grab;  // the pressed point relative to the window's top-left corner
    QEventLoop m_loop;
};

}  // namespace

void WindowDrag::Pressed(const QMouseEvent* event)
{
    // Only a fresh press of the left button alone can start a move, and only
    // once: a move reporting the left button without such a press (its release
    // went elsewhere) drags nothing.
    m_pressedAt.reset();
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton && !DesktopMove(m_window)) {
        m_pressedAt = event->globalPosition().toPoint();
    }
}

void WindowDrag::Moved(const QMouseEvent* event)
{
    if (m_pressedAt && event->buttons() == Qt::LeftButton) {
        const QPoint pressedAt = *m_pressedAt;
        m_pressedAt.reset();
        OwnMoveLoop(m_window, pressedAt).Run(event->globalPosition().toPoint());
    }
}

void WindowDrag::Released()
{
    m_pressedAt.reset();
}

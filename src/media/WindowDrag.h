#pragma once

#include <optional>

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moving a window by dragging its bare surface with the left button. The
// window hands its own mouse events over; only a fresh press of the left
// button alone starts a drag: where the desktop moves windows (Windows, a
// Wayland desktop) its own move, at the press; elsewhere the window's own, at
// the first move with the button held. The handler that started the drag returns only when the move is over,
// so whatever waits for it (a running game) holds for the whole drag.
class WindowDrag {
public:
    explicit WindowDrag(QWidget* window) : m_window(window) {}

    void Pressed(const QMouseEvent* event);
    void Moved(const QMouseEvent* event);
    void Released();

private:
    QWidget* m_window;
    // Screen point of a fresh left press on the bare surface, from the press
    // until the first move drags the window or the button is let go.
    std::optional<QPoint> m_pressedAt;
};

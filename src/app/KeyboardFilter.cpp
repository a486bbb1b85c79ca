#include "app/KeyboardFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/Trace.h"
#include "engine/Game.h"

int GameKeyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
        return brixel::KeyLeft;
    case Qt::Key_Right:
        return brixel::KeyRight;
    case Qt::Key_Up:
        return brixel::KeyUp;
    case Qt::Key_Clear:  // keypad 5 with Num Lock off
        return brixel::KeyClear;
    case Qt::Key_Down:
        return brixel::KeyDown;
    case Qt::Key_P:
        return brixel::KeyP;
    default:
        return 0;
    }
}

KeyboardFilter::KeyboardFilter(QWidget* window, std::function<void(int)> onKey)
    : QObject(window), m_window(window), m_onKey(std::move(onKey))
{
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardFilter::~KeyboardFilter()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyboardFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    if (static_cast<QWidget*>(watched)->window() != m_window) {
        return false;
    }
    const int code = GameKeyCode(*static_cast<QKeyEvent*>(event));
    if (code == 0) {
        return false;
    }
    if (TraceEnabled()) {
        TraceLine("key", static_cast<QKeyEvent*>(event)->timestamp());
    }
    // Taken here, so the key does not travel on to the parents and act twice.
    m_onKey(code);
    return true;
}

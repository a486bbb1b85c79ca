#include "app/SuspendedWaitFilter.h"

#include <emscripten.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace {

// Asyncify keeps the suspended stack's data from the start of a wait until
// the stack has been rebuilt after it.
EM_JS(int, fallox_wait_suspended, (), { return Asyncify.currData ? 1 : 0; });

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool SuspendedWaitFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Timer) {
        if (fallox_wait_suspended() != 0) {
            QAbstractEventDispatcher::instance()->wakeUp();
        }
        return false;
    }
    // Input comes to the native window first and from there to its widgets;
    // queued at the window, the copy takes the same way later, past grabs,
    // focus and the game's own key filter.
    if (!IsInput(event->type()) || !watched->isWindowType() || fallox_wait_suspended() == 0) {
        return false;
    }
    QCoreApplication::postEvent(watched, event->clone());
    return true;
}

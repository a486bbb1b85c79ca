#include "media/WindowOwner.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QWidget>
#include <QWindow>

namespace WindowOwner {

void Attach(QWidget* window, QWidget* owner)
{
    // Both native windows must exist before one can name the other.
    window->winId();
    QWindow* ownerHandle = nullptr;
    if (owner != nullptr) {
        owner->window()->winId();
        ownerHandle = owner->window()->windowHandle();
    }
    window->windowHandle()->setTransientParent(ownerHandle);
}

QWidget* ForWindowOpenedByTheGame(QWidget* mainWindow)
{
    return mainWindow != nullptr && !mainWindow->isMinimized() ? mainWindow : nullptr;
}

void HandFocusBack(QWidget* window, const QHideEvent* event)
{
    QWindow* const own = window->windowHandle();
    QWindow* const owner = own != nullptr ? own->transientParent() : nullptr;
    // A spontaneous hide is the desktop minimising the window, not a close.
    if (!event->spontaneous() && owner != nullptr && owner->isVisible() && QGuiApplication::focusWindow() == own) {
        owner->requestActivate();
    }
}

}  // namespace WindowOwner

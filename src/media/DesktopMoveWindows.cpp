#include "media/DesktopMove.h"

#include <windows.h>

#include <QGuiApplication>
#include <QWidget>

// Windows' own move loop, as a caption drag starts it: the window gives up the
// mouse, and the caption's move message runs the system's modal loop until the
// button is let go. The player gets what every window offers there, snapping
// to the screen's edges and halves and Esc to cancel. SendMessage returns only
// when the loop has ended, so the drag holds the game exactly as long as the
// move lasts. (Qt's startSystemMove() posts the same message and returns at once.)
bool DesktopMove(QWidget* window)
{
    // Only a window of Windows' own platform has a handle the system knows
    // (the tests run the windows on Qt's offscreen platform).
    if (QGuiApplication::platformName() != QLatin1String("windows")) {
        return false;
    }
    const auto handle = reinterpret_cast<HWND>(window->winId());
    if (!IsWindow(handle) || !ReleaseCapture()) {
        return false;
    }
    SendMessageW(handle, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return true;
}

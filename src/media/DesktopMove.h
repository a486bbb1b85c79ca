#pragma once

class QWidget;

// Hands a drag of `window`, whose left button was just pressed, to the
// desktop's own move where the desktop should move it, starting at the press
// so that a drag of a single motion moves the window too. Returns only when
// the move is over, so whatever waits for the press's handler (a running game)
// holds for the whole move. Returns false where the window moves itself
// instead (the drag's own loop). DesktopMoveLinux.cpp, DesktopMoveWindows.cpp or
// DesktopMoveWeb.cpp, chosen by CMake.
bool DesktopMove(QWidget* window);

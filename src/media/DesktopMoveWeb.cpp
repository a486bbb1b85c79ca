#include "media/DesktopMove.h"

// A page has no desktop that moves windows: the window follows the pointer
// itself, within the page, by the drag's own loop.
bool DesktopMove(QWidget*)
{
    return false;
}

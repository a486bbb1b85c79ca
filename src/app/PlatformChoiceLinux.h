#pragma once

#include <string>

#include "media/DesktopSession.h"

// The Qt platforms to try in turn, or an empty string to leave the choice to
// Qt. A native Wayland window cannot place itself, so the game could neither
// centre its window nor put its other windows beside it; in a Wayland session
// that names an X server the game runs as an X11 program through XWayland, and
// natively where that server cannot be reached. A platform the player chose is
// never overruled.
std::string ChoosePlatform(const SessionEnvironment& environment);

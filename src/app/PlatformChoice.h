#pragma once

#include <string>

// The environment variables that tell what kind of desktop session the
// program was started in; an empty string stands for an unset variable.
struct SessionEnvironment {
    std::string sessionType;     // XDG_SESSION_TYPE: "wayland", "x11", "tty", ...
    std::string waylandDisplay;  // WAYLAND_DISPLAY: the compositor's socket
    std::string display;         // DISPLAY: an X server, in a Wayland session XWayland
    std::string qtPlatform;      // QT_QPA_PLATFORM: the player's own choice of Qt platform

    static SessionEnvironment FromProcess();
};

// The Qt platform to start with, or an empty string to leave the choice to Qt.
// A native Wayland window cannot place itself, so the game could neither
// centre its window nor put its other windows beside it; in a Wayland session
// that offers XWayland the game runs as an X11 program instead. A platform the
// player chose is never overruled.
std::string ChoosePlatform(const SessionEnvironment& environment);

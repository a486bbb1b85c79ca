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

// A Wayland compositor runs the desktop, whether the program talks to it
// natively or through XWayland.
bool InWaylandSession(const SessionEnvironment& environment);

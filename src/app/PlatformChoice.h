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

// The Qt platforms to try in turn, or an empty string to leave the choice to
// Qt. A native Wayland window cannot place itself, so the game could neither
// centre its window nor put its other windows beside it; in a Wayland session
// that names an X server the game runs as an X11 program through XWayland, and
// natively where that server cannot be reached. A platform the player chose is
// never overruled.
std::string ChoosePlatform(const SessionEnvironment& environment);

// While it lives, Qt's reports of a platform of the list that would not start
// (the next one serves) are dropped; every other message passes on. Made only
// around the start of the application, when the program chose the platforms.
class QuietPlatformFallback {
public:
    QuietPlatformFallback();
    ~QuietPlatformFallback();
    QuietPlatformFallback(const QuietPlatformFallback&) = delete;
    QuietPlatformFallback& operator=(const QuietPlatformFallback&) = delete;
};

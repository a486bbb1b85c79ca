#include "app/PlatformChoice.h"

#include <QString>

SessionEnvironment SessionEnvironment::FromProcess()
{
    const auto read = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    return {read("XDG_SESSION_TYPE"), read("WAYLAND_DISPLAY"), read("DISPLAY"), read("QT_QPA_PLATFORM")};
}

std::string ChoosePlatform(const SessionEnvironment& environment)
{
    if (!environment.qtPlatform.empty()) {
        return {};
    }
    const bool waylandSession = environment.sessionType == "wayland" || !environment.waylandDisplay.empty();
    const bool xwayland = !environment.display.empty();
    return waylandSession && xwayland ? "xcb" : "";
}

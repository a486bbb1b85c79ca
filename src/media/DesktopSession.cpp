#include "media/DesktopSession.h"

#include <QString>

SessionEnvironment SessionEnvironment::FromProcess()
{
    const auto read = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    return {read("XDG_SESSION_TYPE"), read("WAYLAND_DISPLAY"), read("DISPLAY"), read("QT_QPA_PLATFORM")};
}

bool InWaylandSession(const SessionEnvironment& environment)
{
    return environment.sessionType == "wayland" || !environment.waylandDisplay.empty();
}

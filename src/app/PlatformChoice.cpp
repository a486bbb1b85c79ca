#include "app/PlatformChoice.h"

#include <QString>
#include <QtGlobal>

#include <cstring>

namespace {

QtMessageHandler previousHandler = nullptr;

void DropPlatformFallbackReports(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const char* category = context.category ? context.category : "";
    if (type != QtFatalMsg &&
        (std::strcmp(category, "qt.qpa.xcb") == 0 || std::strcmp(category, "qt.qpa.plugin") == 0)) {
        return;
    }
    previousHandler(type, context, message);
}

}  // namespace

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
    return waylandSession && xwayland ? "xcb;wayland" : "";
}

QuietPlatformFallback::QuietPlatformFallback()
{
    previousHandler = qInstallMessageHandler(DropPlatformFallbackReports);
}

QuietPlatformFallback::~QuietPlatformFallback()
{
    qInstallMessageHandler(previousHandler);
}

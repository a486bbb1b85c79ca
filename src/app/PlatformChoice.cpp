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

std::string ChoosePlatform(const SessionEnvironment& environment)
{
    if (!environment.qtPlatform.empty()) {
        return {};
    }
    return InWaylandSession(environment) && !environment.display.empty() ? "xcb;wayland" : "";
}

QuietPlatformFallback::QuietPlatformFallback()
{
    previousHandler = qInstallMessageHandler(DropPlatformFallbackReports);
}

QuietPlatformFallback::~QuietPlatformFallback()
{
    qInstallMessageHandler(previousHandler);
}

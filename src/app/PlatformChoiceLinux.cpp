#include "app/PlatformChoice.h"
#include "app/PlatformChoiceLinux.h"

#include <QString>
#include <QtGlobal>

#include <cstring>

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's reports of a platform of the list that would not start (the next one
// serves) are dropped while the application is made; every other message passes on.
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

PlatformChoice::PlatformChoice()
{
    const std::string platform = ChoosePlatform(SessionEnvironment::FromProcess());
    if (!platform.empty()) {
        qputenv("QT_QPA_PLATFORM", platform.c_str());
        previousHandler = qInstallMessageHandler(DropPlatformFallbackReports);
        m_chose = true;
    }
}

void PlatformChoice::ApplicationMade()
{
    if (m_chose) {
        qInstallMessageHandler(previousHandler);
        qunsetenv("QT_QPA_PLATFORM");
        m_chose = false;
    }
}

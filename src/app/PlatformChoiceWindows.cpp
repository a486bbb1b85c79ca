#include "app/PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

// Fallox.exe has Windows' own platform and no other. Wine passes a Linux
// desktop's environment through, and a QT_QPA_PLATFORM meant for Linux
// programs ("wayland", "xcb") names a platform this build lacks, which would
// stop it before its first window. Only a choice of the Windows platform (with
// its options) is kept; nothing else is chosen.
PlatformChoice::PlatformChoice()
{
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.isEmpty() && !asked.startsWith("windows")) {
        qunsetenv("QT_QPA_PLATFORM");
    }
}

void PlatformChoice::ApplicationMade() {}

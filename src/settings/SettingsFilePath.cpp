#include "settings/SettingsFilePath.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "settings/SettingsFile.h"

QString SettingsFilePath()
{
    const std::string_view name = brixel::SettingsFileName;
    const QString fileName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
#if defined(Q_OS_WIN)
    // Older copies of the game kept their options in the Windows folder; go
    // on using such a file. A new one goes where the user may write.
    const QString windowsFolder = qEnvironmentVariable("WINDIR");
    if (!windowsFolder.isEmpty() && QFileInfo::exists(windowsFolder + QLatin1Char('\\') + fileName)) {
        return windowsFolder + QLatin1Char('\\') + fileName;
    }
#endif
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + fileName;
}

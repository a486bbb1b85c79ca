#include "settings/SettingsFilePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/SettingsFile.h"
#include "settings/WindowsFolder.h"

QString ChooseSettingsFile(const QString& windowsFolder, const QString& configFolder)
{
    const std::string_view name = brixel::SettingsFileName;
    const QString fileName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (!windowsFolder.isEmpty()) {
        const QString old = QDir(windowsFolder).filePath(fileName);
        if (QFileInfo(old).isFile()) {
            return old;
        }
    }
    return QDir(configFolder).filePath(fileName);
}

QString SettingsFilePath()
{
    return ChooseSettingsFile(WindowsFolder(),
                              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

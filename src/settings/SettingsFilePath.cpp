#include "settings/SettingsFilePath.h"

#include <QStandardPaths>

#include "settings/SettingsFile.h"

QString SettingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const std::string_view name = brixel::SettingsFileName;
    return folder + QLatin1Char('/') + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

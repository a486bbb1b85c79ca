#include "settings/SettingsFolders.h"

#include <QStandardPaths>

SettingsFolders PlatformSettingsFolders()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), {}, {}};
}

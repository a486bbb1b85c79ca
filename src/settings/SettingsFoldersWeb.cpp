#include "settings/SettingsFolders.h"

#include <QStandardPaths>

// In a browser the options live in a folder of the game's own, which the
// program keeps in the browser's storage (BrowserFiles.cpp) so that they
// outlast the page. There are no older copies to look for.
SettingsFolders PlatformSettingsFolders()
{
    return {QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), {}, {}};
}

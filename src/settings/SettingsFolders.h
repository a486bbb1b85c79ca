#pragma once

#include <QString>
#include <QStringList>

// The folders the options file may lie in on this system.
struct SettingsFolders {
    QString own;        // where the game keeps its own Brixel32.ini
    QString windows;    // the Windows folder, where older copies kept it; empty on other systems
    QStringList older;  // other folders an older copy may have left it in, read but never written
};

// SettingsFoldersWindows.cpp, SettingsFoldersWeb.cpp or SettingsFoldersOther.cpp,
// chosen by CMake.
SettingsFolders PlatformSettingsFolders();

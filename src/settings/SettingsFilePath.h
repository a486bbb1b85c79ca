#pragma once

#include <QString>

#include "settings/SettingsFolders.h"

// The options file the game reads its options from and the one OK writes.
// They differ only until the first save: the options of an older copy's file
// that may not be written go, with its other sections and keys, into the
// game's own file, which is read from then on.
struct SettingsLocation {
    QString readFrom;
    QString saveTo;
};

// The game's own Brixel32.ini wins once it exists. Before that, the newest
// Brixel32.ini an older copy left (in the Windows folder, the VirtualStore, or
// where earlier versions of Fallox kept it) is read. The one in the Windows
// folder is edited in place where it may be written, as older copies did;
// every other is only read, and OK writes the game's own file.
SettingsLocation ChooseSettingsFile(const SettingsFolders& folders);

// The rule above for this system's folders.
SettingsLocation SettingsFileLocation();

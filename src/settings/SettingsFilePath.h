#pragma once

#include <QString>

// Where the options are kept: a "Brixel32.ini" already in the Windows folder,
// where older copies of the game kept it, is read and edited in place;
// otherwise the file lives in the user's configuration folder
// (~/.config/Brixel32.ini on Linux, %LOCALAPPDATA%\Brixel32.ini on Windows),
// since a normal user may not create files in the Windows folder.
QString SettingsFilePath();

// The rule above for given folders; `windowsFolder` is empty where there is none.
QString ChooseSettingsFile(const QString& windowsFolder, const QString& configFolder);

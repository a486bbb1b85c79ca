#pragma once

#include <QString>

// Where the options are kept: "Brixel32.ini" in the user's configuration
// folder (~/.config/Brixel32.ini on Linux).
QString SettingsFilePath();

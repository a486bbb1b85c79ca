#pragma once

#include <QString>

// The Windows folder (C:\Windows as a rule) as the system names it; empty on
// other systems. WindowsFolderWindows.cpp or WindowsFolderNone.cpp, chosen by CMake.
QString WindowsFolder();

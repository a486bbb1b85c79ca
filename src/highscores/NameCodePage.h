#pragma once

#include <string>
#include <string_view>

#include <QString>

// Names as scores.lst keeps them: one byte per character in the system's
// 8-bit code page. On Windows that is the ANSI code page (Windows-1252 on a
// Western system); elsewhere it is Windows-1252, so a table copied from a
// Western Windows reads the same. NameCodePageWindows.cpp or
// NameCodePage1252.cpp, chosen by CMake.

// The text of a name read from the file.
QString NameFromBytes(std::string_view bytes);

// The bytes of a typed name; a character the code page has no byte for becomes '?'.
std::string NameToBytes(const QString& name);

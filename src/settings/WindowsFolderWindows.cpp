#include "settings/WindowsFolder.h"

#include <windows.h>

#include <array>

QString WindowsFolder()
{
    // The folder the system's own profile functions use for a bare file name.
    std::array<wchar_t, MAX_PATH + 1> buffer{};
    const UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    return QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length));
}

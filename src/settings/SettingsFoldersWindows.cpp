#include "settings/SettingsFolders.h"

#include <windows.h>

#include <QDir>
#include <QStandardPaths>

#include <array>

namespace {

// The folder the system's own profile functions use for a bare file name.
QString WindowsFolder()
{
    std::array<wchar_t, MAX_PATH + 1> buffer{};
    const UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    return QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length));
}

}  // namespace

SettingsFolders PlatformSettingsFolders()
{
    SettingsFolders folders;
    // %APPDATA%\Fallox, beside the scores: both roam with the player's profile.
    folders.own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folders.windows = WindowsFolder();
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!local.isEmpty()) {
        // A program without a manifest that wrote to the Windows folder had its
        // file redirected into the VirtualStore, which mirrors the path below
        // the drive: C:\Windows becomes %LOCALAPPDATA%\VirtualStore\Windows.
        if (folders.windows.size() > 3 && folders.windows.at(1) == QLatin1Char(':')) {
            folders.older.append(QDir(local).filePath(QStringLiteral("VirtualStore/") + folders.windows.mid(3)));
        }
        // Earlier versions of Fallox kept it straight in %LOCALAPPDATA%.
        folders.older.append(local);
    }
    return folders;
}

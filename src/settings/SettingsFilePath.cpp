#include "settings/SettingsFilePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/SettingsFile.h"

namespace {

QString FileIn(const QString& folder)
{
    const std::string_view name = brixel::SettingsFileName;
    return QDir(folder).filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// Opening an existing file for reading and writing changes nothing and fails
// exactly where a save would; its attributes alone do not tell (a file of
// another user's, an access list).
bool CanWrite(const QString& file)
{
    QFile probe(file);
    return probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}

}  // namespace

SettingsLocation ChooseSettingsFile(const SettingsFolders& folders)
{
    const QString own = FileIn(folders.own);
    if (QFileInfo(own).isFile()) {
        return {own, own};
    }
    QStringList candidates;
    if (!folders.windows.isEmpty()) {
        candidates.append(FileIn(folders.windows));
    }
    for (const QString& folder : folders.older) {
        candidates.append(FileIn(folder));
    }
    QString newest;
    QDateTime newestTime;
    for (const QString& file : candidates) {
        const QFileInfo info(file);
        if (info.isFile() && (newest.isEmpty() || info.lastModified() > newestTime)) {
            newest = file;
            newestTime = info.lastModified();
        }
    }
    if (newest.isEmpty()) {
        return {own, own};
    }
    const bool inWindowsFolder = !folders.windows.isEmpty() && newest == candidates.front();
    return {newest, inWindowsFolder && CanWrite(newest) ? newest : own};
}

SettingsLocation SettingsFileLocation()
{
    return ChooseSettingsFile(PlatformSettingsFolders());
}

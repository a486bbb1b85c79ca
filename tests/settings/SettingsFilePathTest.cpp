#include <gtest/gtest.h>

#include <QDir>
#include <QString>

#include "settings/SettingsFilePath.h"
#include "support/ScratchDir.h"

namespace {

using brixel::test::ScratchDir;

QString FolderIn(const ScratchDir& scratch, const char* name)
{
    const QString folder = QDir(QString::fromStdU16String(scratch.Path().u16string())).filePath(QString::fromUtf8(name));
    QDir().mkpath(folder);
    return folder;
}

TEST(SettingsFilePath, AFileInTheWindowsFolderWinsOtherwiseTheUsersConfigurationFolder)
{
    enum class Lies { Nothing, File, Folder };  // what lies in the Windows folder as "Brixel32.ini"
    struct Case {
        const char* what;
        Lies inWindowsFolder;
        bool windowsFolderKnown;
        bool expectWindowsFolder;
    };
    for (const Case c : {Case{"an older copy's file", Lies::File, true, true},
                         Case{"no file there", Lies::Nothing, true, false},
                         Case{"a folder of that name", Lies::Folder, true, false},
                         Case{"no Windows folder at all", Lies::Nothing, false, false}}) {
        ScratchDir scratch;
        const QString windows = FolderIn(scratch, "Wïndows");
        const QString config = FolderIn(scratch, "Jürgen/AppData/Local");
        const QString old = QDir(windows).filePath(QStringLiteral("Brixel32.ini"));
        if (c.inWindowsFolder == Lies::File) {
            brixel::test::WriteBytes(old.toStdU16String(), "[Other]\r\nKey=1\r\n");
        } else if (c.inWindowsFolder == Lies::Folder) {
            QDir().mkpath(old);
        }
        const QString chosen = ChooseSettingsFile(c.windowsFolderKnown ? windows : QString(), config);
        const QString expected = c.expectWindowsFolder ? old : QDir(config).filePath(QStringLiteral("Brixel32.ini"));
        EXPECT_EQ(QDir::cleanPath(chosen), QDir::cleanPath(expected)) << c.what;
    }
}

}  // namespace

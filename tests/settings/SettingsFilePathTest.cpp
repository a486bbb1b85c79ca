#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>

#include "settings/SettingsFilePath.h"
#include "support/ScratchDir.h"

namespace {

using brixel::test::ScratchDir;

// Which Brixel32.ini is read and which one OK writes, by what lies where. The
// folders: the game's own, the Windows folder, and two where older copies
// left the file (the VirtualStore, an earlier Fallox's folder).
TEST(SettingsFilePath, AnOlderCopysFileIsReadAndOnlyTheWindowsFoldersIsEditedInPlace)
{
    enum Place { Own, Windows, VirtualStore, Earlier, Count };
    enum class Lies { Nothing, File, ReadOnlyFile, Folder };  // what lies there as "Brixel32.ini"
    struct Case {
        const char* what;
        Lies lies[Count];  // newest last: files are dated in place order
        Place readFrom;
        Place saveTo;
    };
    using L = Lies;
    const Case cases[] = {
        {"nothing anywhere", {L::Nothing, L::Nothing, L::Nothing, L::Nothing}, Own, Own},
        {"the game's own wins", {L::File, L::File, L::File, L::File}, Own, Own},
        {"the Windows folder's, edited in place", {L::Nothing, L::File, L::Nothing, L::Nothing}, Windows, Windows},
        {"a folder of that name", {L::Nothing, L::Folder, L::Nothing, L::Nothing}, Own, Own},
        {"the newer VirtualStore copy", {L::Nothing, L::File, L::File, L::Nothing}, VirtualStore, Own},
        {"an earlier Fallox's file", {L::Nothing, L::Nothing, L::Nothing, L::File}, Earlier, Own},
        // Last, as root skips it: a read-only file does not bind root.
        {"the Windows folder's, read-only", {L::Nothing, L::ReadOnlyFile, L::Nothing, L::Nothing}, Windows, Own},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir scratch;
        const QDir root(QString::fromStdU16String(scratch.Path().u16string()));
        const QString folders[Count] = {root.filePath("Jürgen/Roaming/Fallox"), root.filePath("Wïndows"),
                                        root.filePath("Jürgen/Local/VirtualStore/Wïndows"), root.filePath("Jürgen/Local")};
        QString files[Count];
        const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-100);
        for (int place = Own; place < Count; ++place) {
            QDir().mkpath(folders[place]);
            files[place] = QDir(folders[place]).filePath("Brixel32.ini");
            if (c.lies[place] == Lies::Folder) {
                QDir().mkpath(files[place]);
            } else if (c.lies[place] != Lies::Nothing) {
                brixel::test::WriteBytes(files[place].toStdU16String(), "[Brixel32]\r\nStarting Level=3\r\n");
                QFile file(files[place]);
                ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                file.setFileTime(start.addSecs(place), QFileDevice::FileModificationTime);
            }
            if (c.lies[place] == Lies::ReadOnlyFile) {
                QFile::setPermissions(files[place], QFile::ReadOwner | QFile::ReadUser);
                if (QFile(files[place]).open(QIODevice::ReadWrite)) {
                    GTEST_SKIP() << "a read-only file is writable for this user (root)";
                }
            }
        }
        const SettingsLocation chosen = ChooseSettingsFile({folders[Own], folders[Windows],
                                                            {folders[VirtualStore], folders[Earlier]}});
        EXPECT_EQ(QDir::cleanPath(chosen.readFrom), QDir::cleanPath(files[c.readFrom]));
        EXPECT_EQ(QDir::cleanPath(chosen.saveTo), QDir::cleanPath(files[c.saveTo]));
    }
}

}  // namespace

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/SingleInstance.h"

namespace {

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fallox.lock");
    auto first = std::make_unique<SingleInstance>(path);
    ASSERT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire()) << "asking again keeps the lock";
    SingleInstance second(path);
    EXPECT_FALSE(second.TryAcquire());

    first.reset();  // the first copy ends normally
    SingleInstance third(path);
    EXPECT_TRUE(third.TryAcquire());
}

TEST(SingleInstance, LockOfAKilledCopyDoesNotBlockTheNextStart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fallox.lock");
    QProcess crashing;
    crashing.start(QCoreApplication::applicationFilePath(), {"--take-lock-and-die", path});
    ASSERT_TRUE(crashing.waitForFinished(10000));
    ASSERT_EQ(crashing.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(QFile::exists(path)) << "the killed copy left its lock behind";

    SingleInstance next(path);
    EXPECT_TRUE(next.TryAcquire());
}

TEST(SingleInstance, LockNamingThisVeryProcessIsLeftOverFromADeadCopy)
{
    // Windows writes the computer's name into the lock in capitals and reads
    // it back in small letters; the host's name is this machine's in either case.
    for (const bool otherCase : {false, true}) {
        QTemporaryDir dir;
        const QString held = dir.filePath("held.lock");
        const QString leftOver = dir.filePath("fallox.lock");
        {
            // A lock file with this process's id, as a dead copy whose id we
            // were given since would have left it: id, program, host, ...
            SingleInstance earlier(held);
            ASSERT_TRUE(earlier.TryAcquire());
            QFile in(held);
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = in.readAll().split('\n');
            ASSERT_GT(lines.size(), 2);
            if (otherCase) {
                lines[2] = lines[2] == lines[2].toLower() ? lines[2].toUpper() : lines[2].toLower();
            }
            QFile out(leftOver);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(lines.join('\n'));
        }
        SingleInstance next(leftOver);
        EXPECT_TRUE(next.TryAcquire()) << "host in other case: " << otherCase;
    }
}

}  // namespace

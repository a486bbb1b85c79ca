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
    QTemporaryDir dir;
    const QString held = dir.filePath("held.lock");
    const QString leftOver = dir.filePath("fallox.lock");
    {
        // A lock file with this process's id, as a dead copy whose id we were
        // given since would have left it.
        SingleInstance earlier(held);
        ASSERT_TRUE(earlier.TryAcquire());
        ASSERT_TRUE(QFile::copy(held, leftOver));
    }
    SingleInstance next(leftOver);
    EXPECT_TRUE(next.TryAcquire());
}

}  // namespace

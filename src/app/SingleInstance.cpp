#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // Never age a lock out: the game may well run for hours. A lock is stale
    // only when its owner process has gone. That check compares the owner's
    // executable with the application name, so the program must keep Qt's
    // default application name (the executable's file name).
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("fallox.lock"));
}

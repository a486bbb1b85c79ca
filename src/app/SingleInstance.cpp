#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

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
    if (m_lock.isLocked() || m_lock.tryLock(0)) {
        return true;
    }
    // A lock naming this very process was left by a copy that died and whose
    // process id has since been handed to us; Windows, and Wine even more so,
    // give the same small ids out again soon. We cannot be its owner, since
    // we have not locked yet, so it is as stale as one of a dead process.
    // Windows writes the computer's name in capitals, so case is ignored.
    qint64 owner = 0;
    QString host;
    QString application;
    if (m_lock.error() == QLockFile::LockFailedError && m_lock.getLockInfo(&owner, &host, &application) &&
        owner == QCoreApplication::applicationPid() &&
        host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0) {
        return m_lock.removeStaleLockFile() && m_lock.tryLock(0);
    }
    return false;
}

QString SingleInstance::DefaultLockPath()
{
    // Windows has no runtime folder; Qt names the user's home folder instead,
    // where a lock file would lie among the player's own files.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || QDir(folder) == QDir::home()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("fallox.lock"));
}

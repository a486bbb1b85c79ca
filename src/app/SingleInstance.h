#pragma once

#include <QLockFile>
#include <QString>

// Makes sure only one copy of the game runs per user. The lock is a file
// holding the owner's process id; a lock left behind by a process that was
// killed is recognised by its dead owner, or by an owner id that is now our
// own, and taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // True when this process now holds the lock; false when another running
    // copy of the game holds it.
    bool TryAcquire();

    // The lock file in the user's runtime folder, or the user's temporary folder
    // where there is none (Windows).
    static QString DefaultLockPath();

private:
    QLockFile m_lock;
};

#include "app/SingleInstance.h"

#include <emscripten.h>

#include <QGuiApplication>

namespace {

// The page asked for the lock before the program started (SingleInstanceWeb.js).
EM_JS(int, fallox_lock_held, (), { return Module.falloxLockHeld ? 1 : 0; });

EM_JS(void, fallox_release_lock, (), {
    if (Module.falloxReleaseLock) {
        Module.falloxReleaseLock();
        Module.falloxReleaseLock = undefined;
    }
});

}  // namespace

// In a browser the lock is the browser's Web Lock, named like the desktop's
// lock file; the page takes it before the program starts.
SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {}

bool SingleInstance::TryAcquire()
{
    if (fallox_lock_held() == 0) {
        return false;
    }
    // A tab whose game has ended lets another one play without being closed.
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { fallox_release_lock(); });
    return true;
}

QString SingleInstance::DefaultLockPath()
{
    return QStringLiteral("fallox.lock");
}

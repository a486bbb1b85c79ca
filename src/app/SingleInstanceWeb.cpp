#include "app/SingleInstance.h"

#include <emscripten.h>

#include <QGuiApplication>

namespace {

// Asks for the browser's lock of that name without waiting for it (Web Locks:
// one holder among all tabs of the site). The lock is held until the game ends
// or the tab closes. A browser without Web Locks cannot tell: the game plays.
EM_ASYNC_JS(int, fallox_request_lock, (const char* name), {
    if (!navigator.locks) {
        return 1;
    }
    return await new Promise(answer => {
        navigator.locks.request(UTF8ToString(name), {ifAvailable : true}, lock => {
            if (!lock) {
                answer(0);
                return undefined;
            }
            answer(1);
            return new Promise(release => { Module.falloxReleaseLock = release; });
        });
    });
});

EM_JS(void, fallox_release_lock, (), {
    if (Module.falloxReleaseLock) {
        Module.falloxReleaseLock();
        Module.falloxReleaseLock = undefined;
    }
});

}  // namespace

// In a browser the lock is the browser's, named like the desktop's lock file.
SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {}

bool SingleInstance::TryAcquire()
{
    if (fallox_request_lock(m_lock.fileName().toUtf8().constData()) == 0) {
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

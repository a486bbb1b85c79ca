#include "app/PlatformChoice.h"

#include <emscripten.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include "app/BrowserFiles.h"
#include "app/SuspendedWaitFilter.h"

namespace {

// Like an installed program's folder, the program's folder in the browser
// takes no files: the scores then go to the data folder, which the browser keeps.
EM_JS(void, fallox_protect_folder, (const char* folder), { FS.chmod(UTF8ToString(folder), 0o555); });

// Tells the page what became of the game ("storage-refused", "ended"); the
// page words it for the player.
EM_JS(void, fallox_tell_page, (const char* what), {
    dispatchEvent(new CustomEvent("fallox", {detail : UTF8ToString(what)}));
});

}  // namespace

// A browser has one Qt platform, its own; there is nothing to choose.
PlatformChoice::PlatformChoice() = default;

// Once the application exists, the page is readied for it: waits let the page
// run, the data folder is named for the game, and the player hears once where
// the browser keeps no files.
void PlatformChoice::ApplicationMade()
{
    // Emscripten calls every program "this.program"; the data folder is named
    // for the game instead.
    QCoreApplication::setApplicationName(QStringLiteral("fallox"));
    QCoreApplication::instance()->installEventFilter(new SuspendedWaitFilter(QCoreApplication::instance()));

    // The page has read in the kept folders already; the data folder's name
    // above is the one it mounted.
    if (BrowserFiles::Answer() == BrowserFiles::Storage::OnlyThisTab) {
        fallox_tell_page("storage-refused");
    }
    // The program's file does not exist in the browser's file system, so Qt
    // names no folder for it and the scores' rule looks in the current one.
    fallox_protect_folder(QDir(QCoreApplication::applicationDirPath()).absolutePath().toUtf8().constData());
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, [] { fallox_tell_page("ended"); });
}

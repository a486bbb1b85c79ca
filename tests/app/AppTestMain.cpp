#include <cstring>

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/SingleInstance.h"
#include "media/DesignFont.h"
#include "support/CrashNow.h"

int main(int argc, char** argv)
{
    // Helper mode for the single-instance tests: take the lock, then die
    // the hard way, leaving the lock file behind as a crash would.
    if (argc == 3 && std::strcmp(argv[1], "--take-lock-and-die") == 0) {
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        if (!instance.TryAcquire()) {
            return 3;
        }
        fallox::test::CrashNow();
    }

    // ctest runs each test in its own process, several at once. Qt's test
    // folders for settings and scores sit below the home folder, so each
    // process gets a home of its own; otherwise one test's options file
    // would be removed or rewritten under another's feet.
    const QTemporaryDir home;
    if (!home.isValid()) {
        return 2;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());

    // The windows need a platform even when ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    RegisterDesignFonts();  // as main() does
    // The program ends through the main window's own signal; the tests
    // check that signal, so closing a window must not end the loop by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

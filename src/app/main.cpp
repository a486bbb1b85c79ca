#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "media/DesignFont.h"

namespace {

// For measuring start-up: with FALLOX_QUIT_AFTER_FIRST_PAINT set, the program
// prints the wall-clock time of the window's first paint and ends.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first paint at %lld ms since the epoch\n",
                            static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    // Qt reads its platform from the environment while the application is
    // made; afterwards the variable goes again, so a browser the game starts
    // makes its own choice.
    const std::string platform = ChoosePlatform(SessionEnvironment::FromProcess());
    std::optional<QuietPlatformFallback> quiet;
    if (!platform.empty()) {
        qputenv("QT_QPA_PLATFORM", platform.c_str());
        quiet.emplace();
    }
    QApplication app(argc, argv);
    if (!platform.empty()) {
        quiet.reset();
        qunsetenv("QT_QPA_PLATFORM");
    }
    // The labels' font comes with the program: without it Windows (or Wine)
    // lacking "MS Sans Serif" would fall back to a serif face.
    RegisterDesignFont();
    // The application name stays Qt's default, the executable's name: the
    // single-instance lock relies on it to recognise a dead owner.
    QIcon icon(QStringLiteral(":/images/icon256.png"));
    icon.addFile(QStringLiteral(":/images/icon.png"));
    app.setWindowIcon(icon);
    // The installed menu entry is named by the program's reverse-DNS id; on
    // Wayland this lets the desktop find its name and icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(FALLOX_APP_ID));

    SingleInstance instance(SingleInstance::DefaultLockPath());
    if (!instance.TryAcquire()) {
        QMessageBox refusal(QMessageBox::NoIcon, QStringLiteral("Fallox"), QStringLiteral("Fallox ist bereits aktiv!."),
                            QMessageBox::Ok);
        refusal.exec();
        return 0;
    }

    Program program;
    MainWindow& window = program.Window();
    QObject::connect(&window, &MainWindow::ProgramEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    FirstPaintProbe probe;
    if (qEnvironmentVariableIsSet("FALLOX_QUIT_AFTER_FIRST_PAINT")) {
        window.installEventFilter(&probe);
    }
    program.Start();
    return app.exec();
}

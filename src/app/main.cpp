#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/PlatformChoice.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "media/DesignFont.h"

namespace {

// Runs a piece of start-up once the main window has painted for the first
// time, so that the player sees the window before it is done.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work) : m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, m_work);
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

// The window's icon for the desktop's task bar and window list; the first
// paint does not need it, and its pictures take a while to decode.
void SetWindowIcon()
{
    QIcon icon(QStringLiteral(":/images/icon256.png"));
    icon.addFile(QStringLiteral(":/images/icon.png"));
    QApplication::setWindowIcon(icon);
}

}  // namespace

int main(int argc, char* argv[])
{
    PlatformChoice platform;
    QApplication app(argc, argv);
    platform.ApplicationMade();
    RegisterDesignFonts();
    // The application name stays Qt's default, the executable's name: the
    // single-instance lock relies on it to recognise a dead owner.
    // The installed menu entry is named by the program's reverse-DNS id; on
    // Wayland this lets the desktop find its name and icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(FALLOX_APP_ID));

    SingleInstance instance(SingleInstance::DefaultLockPath());
    if (!instance.TryAcquire()) {
        SetWindowIcon();
        QMessageBox refusal(QMessageBox::NoIcon, QStringLiteral("Fallox"), QStringLiteral("Fallox ist bereits aktiv!."),
                            QMessageBox::Ok);
        refusal.exec();
        return 0;
    }

    Program program;
    MainWindow& window = program.Window();
    QObject::connect(&window, &MainWindow::ProgramEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // For measuring start-up: with FALLOX_QUIT_AFTER_FIRST_PAINT set, the
    // program prints the wall-clock time of the window's first paint and ends.
    const bool quitAfterFirstPaint = qEnvironmentVariableIsSet("FALLOX_QUIT_AFTER_FIRST_PAINT");
    AfterFirstPaint afterFirstPaint(&window, [quitAfterFirstPaint] {
        if (quitAfterFirstPaint) {
            std::printf("first paint at %lld ms since the epoch\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QCoreApplication::quit();
            return;
        }
        SetWindowIcon();
    });
    program.Start();
    return app.exec();
}

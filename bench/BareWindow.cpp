// A bare frameless Qt window of the main window's size, built and linked like
// the program, to measure what Qt alone costs (bench/measure_startup.sh on
// Linux, bench/measure_windows.sh under Wine, bench/web/measure_startup.sh in
// a browser): it prints the time of its first paint, as the program does with
// FALLOX_QUIT_AFTER_FIRST_PAINT, and ends.
#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
public:
    BareWindow() : QWidget(nullptr, Qt::FramelessWindowHint) { setFixedSize(336, 328); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::darkGray);
        if (!m_painted) {
            m_painted = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first paint at %lld ms since the epoch\n",
                            static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
    }

private:
    bool m_painted = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.showNormal();  // a browser's screen shows a plain show() full screen
    return app.exec();
}

#include "app/QtGameHost.h"

#include <cmath>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTime>

#include "app/MainWindow.h"

QtGameHost::QtGameHost(MainWindow& window) : m_window(window)
{
    m_wakeUp.setSingleShot(true);
    // A coarse timer may fire up to 5% late; the game's steps should not drift.
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    Randomize();
    // Windows' dispatcher hands out Qt's posted events (a queued call, or a
    // short timer, which Windows fires on a thread of its own) at the start
    // of a pass and then sleeps until a window message comes, as though
    // nothing had happened: a paused game would not see such an event until
    // the player next touched it. So while the game waits, an event seen
    // wakes the dispatcher again just as it is about to sleep, and the wait
    // returns. Elsewhere the dispatcher is about to sleep before it has
    // delivered anything, and sleeps.
    QCoreApplication::instance()->installEventFilter(&m_eventSeen);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &m_eventSeen,
                     [this] {
                         if (m_waits > 0 && m_eventSeen.seen) {
                             m_eventSeen.seen = false;
                             QAbstractEventDispatcher::instance()->wakeUp();
                         }
                     });
}

double QtGameHost::Clock()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtGameHost::DeliverEvents(std::optional<double> timeout)
{
    if (timeout && *timeout <= 0.0) {
        m_wakeUp.stop();
        QCoreApplication::processEvents();
        return;
    }
    if (timeout) {
        // Sleep until an event comes or the wait's time is up, whichever is
        // first. Rounding up keeps the timer from waking a moment too early
        // and costing one more pass. A nested game restarts the same timer
        // for its own waits; the outer wait sets it again on its next pass.
        m_wakeUp.start(static_cast<int>(std::ceil(*timeout * 1000.0)));
    } else {
        m_wakeUp.stop();  // paused: nothing to wake for but the player
    }
    m_eventSeen.seen = false;
    ++m_waits;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    --m_waits;
    // The wait of a game that this one was started inside returns as well.
    m_eventSeen.seen = true;
}

void QtGameHost::Randomize()
{
    m_generator.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

double QtGameHost::Random()
{
    if (m_randomSource) {
        return m_randomSource();
    }
    // mt19937 yields 32 bits, even where its result type is wider.
    return UnitFromBits(static_cast<std::uint32_t>(m_generator()));
}

void QtGameHost::PaintTile(int col, int row, int tile)
{
    m_window.PaintTile(col, row, tile);
}

void QtGameHost::PresentWell()
{
    m_window.PresentWell();
}

void QtGameHost::SetCounterText(brixel::Counter counter, const std::string& text)
{
    m_window.SetCounterText(counter, QString::fromStdString(text));
}

void QtGameHost::ShowPreview(int pieceType)
{
    m_window.ShowPreview(pieceType);
}

void QtGameHost::SetIntroVisible(bool visible)
{
    m_window.SetIntroVisible(visible);
}

std::string QtGameHost::Title()
{
    return m_window.windowTitle().toStdString();
}

void QtGameHost::SetTitle(const std::string& title)
{
    m_window.setWindowTitle(QString::fromStdString(title));
}

brixel::WindowState QtGameHost::GetWindowState()
{
    const Qt::WindowStates state = m_window.windowState();
    if (state & Qt::WindowMinimized) {
        return brixel::WindowState::Minimized;
    }
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return brixel::WindowState::Maximized;
    }
    return brixel::WindowState::Normal;
}

void QtGameHost::PlaySound(int number)
{
    if (onPlaySound) {
        onPlaySound(number);
    }
}

void QtGameHost::CheckHighScore(std::int32_t score)
{
    if (onCheckHighScore) {
        onCheckHighScore(score);
    }
}

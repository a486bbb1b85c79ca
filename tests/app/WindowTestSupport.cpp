#include "WindowTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "media/PictureButton.h"

namespace fallox::test {

ShownWindow::ShownWindow() : window(std::make_unique<MainWindow>())
{
    window->ShowCentred();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

ShownWindow::~ShownWindow() = default;

PictureButton* ShownWindow::Button(const QString& name) const
{
    auto* button = Control<PictureButton>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return button;
}

void ShownWindow::Click(const QString& name) const
{
    QTest::mouseClick(Button(name), Qt::LeftButton, {}, QPoint(5, 6));
}

QString FileForScale(const QString& plain, int scale)
{
    if (scale == 1) {
        return plain;
    }
    const qsizetype dot = plain.lastIndexOf(QLatin1Char('.'));
    return plain.left(dot) + QStringLiteral("@%1x").arg(scale) + plain.mid(dot);
}

QImage ShownWindow::Screen() const
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void MoveMouse(QWidget* window, QPoint global, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(window->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
}

void ReleaseLeft(QWidget* window, QPoint global)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(window->mapFromGlobal(global)), QPointF(global),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
}

DragOutcome PressAndDrag(QWidget* pressed, QPoint at, QPoint by, Qt::MouseButton button, Qt::MouseButtons held)
{
    QWidget* window = pressed->window();
    const QPoint start = window->pos();
    const QPoint pressGlobal = pressed->mapToGlobal(at);
    const QPoint target = pressGlobal + by;
    bool released = false;
    DragOutcome outcome;
    QTimer::singleShot(0, window, [&] {
        MoveMouse(window, pressGlobal + by / 2, Qt::LeftButton);
        outcome.heldUntilRelease = released;
    });
    QTimer::singleShot(30, window, [&] {
        MoveMouse(window, target, Qt::LeftButton);
        ReleaseLeft(window, target);
        released = true;
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, window, [&] { ReleaseLeft(window, target); });
    watchdog.start(1000);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(pressGlobal), button, held, Qt::NoModifier);
    QApplication::sendEvent(pressed, &press);
    QTest::qWait(60);
    outcome.moved = window->pos() - start;
    return outcome;
}

double ChanceFor(int pieceType)
{
    return (pieceType - 0.5) / 7.0;
}

void PlayScripted(ShownWindow& window, const std::function<void()>& script)
{
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        window->Game().RequestExit();
    });
    watchdog.start(5000);
    QTimer::singleShot(0, window.window.get(), script);
    window.Click(QStringLiteral("newGameButton"));
    EXPECT_FALSE(watchdogFired) << "the game did not end";
}

}  // namespace fallox::test

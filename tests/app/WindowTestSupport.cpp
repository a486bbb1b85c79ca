#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "media/PictureButton.h"

namespace fallox::test {

ShownWindow::ShownWindow() : window(std::make_unique<frmBrixel>())
{
    window->Form_Load();
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

QImage ShownWindow::Screen() const
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
    window.Click(QStringLiteral("Image2_0"));
    EXPECT_FALSE(watchdogFired) << "the game did not end";
}

}  // namespace fallox::test

#include "WindowTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

namespace {

bool IsWhole(qreal scale) { return std::abs(scale - std::round(scale)) < 0.01; }

QImage Load(const QString& path)
{
    const QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The 3x picture with every k x k block averaged into one pixel (k = 3 / scale);
// opaque only where the whole block is.
QImage Averaged(const QImage& fine, int k)
{
    QImage out(fine.width() / k, fine.height() / k, QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0, alpha = 255;
            for (int dy = 0; dy < k; ++dy) {
                for (int dx = 0; dx < k; ++dx) {
                    const QRgb c = fine.pixel(x * k + dx, y * k + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    alpha = std::min(alpha, qAlpha(c));
                }
            }
            const int n = k * k;
            out.setPixel(x, y, qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, alpha));
        }
    }
    return out;
}

// The part `area` (window pixels, inside the picture) of a picture as a
// screen of `scale` should show it.
QImage Expected(const QString& plainPath, QRect area, qreal scale)
{
    if (IsWhole(scale)) {
        const int whole = static_cast<int>(std::lround(scale));
        return Load(FileForScale(plainPath, whole)).copy(QRect(area.topLeft() * whole, area.size() * whole));
    }
    const int k = static_cast<int>(std::lround(3 / scale));
    return Averaged(Load(FileForScale(plainPath, 3)).copy(QRect(area.topLeft() * 3, area.size() * 3)), k);
}

// How many opaque pixels of `expected` the screen shows differently at
// `windowPoint`. A point that falls between screen pixels may land on
// either of them.
int Mismatches(const QImage& screen, QPointF windowPoint, const QImage& expected, qreal scale)
{
    const int tolerance = IsWhole(scale) ? 0 : 2;  // rounding of the averages
    const QPointF device = windowPoint * scale;
    int best = expected.width() * expected.height();
    for (const int x : {int(std::floor(device.x())), int(std::ceil(device.x()))}) {
        for (const int y : {int(std::floor(device.y())), int(std::ceil(device.y()))}) {
            int wrong = 0;
            for (int py = 0; py < expected.height(); ++py) {
                for (int px = 0; px < expected.width(); ++px) {
                    const QRgb a = expected.pixel(px, py);
                    const QRgb b = screen.valid(x + px, y + py) ? screen.pixel(x + px, y + py) : 0;
                    if (qAlpha(a) == 255 &&
                        (std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
                         std::abs(qBlue(a) - qBlue(b)) > tolerance)) {
                        ++wrong;
                    }
                }
            }
            best = std::min(best, wrong);
        }
    }
    return best;
}

}  // namespace

std::vector<std::string> PicturesDiffering(QWidget& window, const std::vector<ShownPicture>& pictures)
{
    const qreal scale = window.devicePixelRatioF();
    const QImage screen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<std::string> differing;
    for (const ShownPicture& p : pictures) {
        const QImage expected = Expected(QStringLiteral(":/") + p.file, p.part, scale);
        if (Mismatches(screen, p.at, expected, scale) != 0) {
            differing.push_back(p.file.toStdString() + " at " + std::to_string(p.at.x()) + "," +
                                std::to_string(p.at.y()) + ", scale " + QString::number(scale).toStdString());
        }
    }
    return differing;
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

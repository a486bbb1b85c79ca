#include "WindowTestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

// How much of each fine pixel the screen pixels [first, end) cover when
// `fine` pixels shrink by `factor`: per screen pixel, (fine pixel, share) pairs.
std::vector<std::vector<std::pair<int, double>>> Shares(int first, int end, double factor)
{
    std::vector<std::vector<std::pair<int, double>>> shares;
    for (int device = first; device < end; ++device) {
        const double from = device / factor, to = (device + 1) / factor;
        auto& pixel = shares.emplace_back();
        for (int i = static_cast<int>(std::floor(from)); i < to; ++i) {
            const double share = std::min<double>(i + 1, to) - std::max<double>(i, from);
            if (share > 1e-9) {
                pixel.emplace_back(i, share * factor);
            }
        }
    }
    return shares;
}

// The screen pixels `device` (counted from the picture's corner) of the 3x
// picture shrunk to `scale`: each the average of the fine pixels it covers,
// weighted by how much of each; opaque only where all of them are.
QImage Shrunk(const QImage& fine, qreal scale, QRect device)
{
    const auto columns = Shares(device.left(), device.left() + device.width(), scale / 3);
    const auto rows = Shares(device.top(), device.top() + device.height(), scale / 3);
    QImage out(device.size(), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            double r = 0, g = 0, b = 0;
            int alpha = 255;
            for (const auto& [fy, wy] : rows[y]) {
                for (const auto& [fx, wx] : columns[x]) {
                    const QRgb c = fine.valid(fx, fy) ? fine.pixel(fx, fy) : 0;
                    r += qRed(c) * wx * wy;
                    g += qGreen(c) * wx * wy;
                    b += qBlue(c) * wx * wy;
                    alpha = std::min(alpha, qAlpha(c));
                }
            }
            out.setPixel(x, y, qRgba(qRound(r), qRound(g), qRound(b), alpha));
        }
    }
    return out;
}

// The part `area` (window pixels) of a picture as a screen of `scale` should
// show it, and where that lies in screen pixels from the picture's corner. At
// a fractional scale only the screen pixels wholly inside the part count.
struct ExpectedPart {
    QImage image;
    QPoint offset;
};

ExpectedPart Expected(const QString& plainPath, QRect area, qreal scale)
{
    if (IsWhole(scale)) {
        const int whole = static_cast<int>(std::lround(scale));
        const QRect device(area.topLeft() * whole, area.size() * whole);
        return {Load(FileForScale(plainPath, whole)).copy(device), device.topLeft()};
    }
    const QImage fine = Load(FileForScale(plainPath, 3));
    // Screen pixels from the first whole one inside the part to the last whole
    // one inside both the part and the picture.
    const auto first = [&](int from) { return static_cast<int>(std::ceil(from * scale - 1e-9)); };
    const auto end = [&](int to, int fineLength) {
        return static_cast<int>(std::floor(std::min(to * scale, fineLength * scale / 3) + 1e-9));
    };
    const QPoint topLeft(first(area.left()), first(area.top()));
    const QPoint bottomRight(end(area.left() + area.width(), fine.width()), end(area.top() + area.height(), fine.height()));
    return {Shrunk(fine, scale, QRect(topLeft, bottomRight - QPoint(1, 1))), topLeft};
}

// How many opaque pixels of `expected` the screen shows differently with the
// picture's corner at `corner` (screen pixels). A corner that falls between
// screen pixels may land on either of them.
int Mismatches(const QImage& screen, QPointF corner, const ExpectedPart& expected, qreal scale)
{
    const int tolerance = IsWhole(scale) ? 0 : 2;  // rounding of the averages
    const QImage& image = expected.image;
    int best = image.width() * image.height();
    for (const int cx : {int(std::floor(corner.x())), int(std::ceil(corner.x()))}) {
        for (const int cy : {int(std::floor(corner.y())), int(std::ceil(corner.y()))}) {
            const int x = cx + expected.offset.x(), y = cy + expected.offset.y();
            int wrong = 0;
            for (int py = 0; py < image.height(); ++py) {
                for (int px = 0; px < image.width(); ++px) {
                    const QRgb a = image.pixel(px, py);
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
        const ExpectedPart expected = Expected(QStringLiteral(":/") + p.file, p.part, scale);
        const QPointF corner = QPointF(p.at - p.part.topLeft()) * scale;  // the whole picture's top-left
        if (expected.image.isNull() || Mismatches(screen, corner, expected, scale) != 0) {
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

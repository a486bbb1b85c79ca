// The three windows on a screen that scales by 1, 1.5, 2 or 3: ctest runs this
// program once per scale, with QT_SCALE_FACTOR set before the application
// starts. The layout stays in window pixels; the pictures must not be blurred:
// - at a whole scale every picture reaches the screen pixel for pixel as the
//   file painted for that scale ("name@2x.png");
// - at 1.5 every screen pixel shows the average of the 2 x 2 pixels of the 3x
//   picture that it covers: what a painting at 1.5 would give, nothing
//   blurrier and no pixel doubled.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "core/GameState.h"
#include "highscores/HighScoreWindow.h"
#include "media/PictureButton.h"
#include "settings/OptionsDialog.h"

namespace fallox::test {
namespace {

qreal ScreenScale() { return qApp->devicePixelRatio(); }

bool IsWholeScale() { return std::abs(ScreenScale() - std::round(ScreenScale())) < 0.01; }

QImage Load(const QString& path)
{
    const QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

// The 3x picture with every k x k block averaged into one pixel (k = 3 / scale).
QImage Averaged(const QImage& fine, int k)
{
    QImage out(fine.width() / k, fine.height() / k, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy) {
                for (int dx = 0; dx < k; ++dx) {
                    const QRgb c = fine.pixel(x * k + dx, y * k + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            }
            const int n = k * k;
            out.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return out;
}

// The part `area` (window pixels, inside the picture) of a picture as this
// screen should show it.
QImage Expected(const QString& plainPath, QRect area)
{
    const qreal scale = ScreenScale();
    if (IsWholeScale()) {
        const int whole = static_cast<int>(std::lround(scale));
        return Load(FileForScale(plainPath, whole)).copy(QRect(area.topLeft() * whole, area.size() * whole));
    }
    const int k = static_cast<int>(std::lround(3 / scale));
    return Averaged(Load(FileForScale(plainPath, 3)).copy(QRect(area.topLeft() * 3, area.size() * 3)), k);
}

// How many pixels of `expected` the screen shows differently at `windowPoint`.
// A point that falls between screen pixels may land on either of them.
int Mismatches(const QImage& screen, QPointF windowPoint, const QImage& expected)
{
    const int tolerance = IsWholeScale() ? 0 : 2;  // rounding of the averages
    const QPointF device = windowPoint * ScreenScale();
    int best = expected.width() * expected.height();
    for (const int x : {int(std::floor(device.x())), int(std::ceil(device.x()))}) {
        for (const int y : {int(std::floor(device.y())), int(std::ceil(device.y()))}) {
            int wrong = 0;
            for (int py = 0; py < expected.height(); ++py) {
                for (int px = 0; px < expected.width(); ++px) {
                    const QRgb a = expected.pixel(px, py);
                    const QRgb b = screen.valid(x + px, y + py) ? screen.pixel(x + px, y + py) : 0;
                    if (std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
                        std::abs(qBlue(a) - qBlue(b)) > tolerance) {
                        ++wrong;
                    }
                }
            }
            best = std::min(best, wrong);
        }
    }
    return best;
}

// A picture's size in window pixels.
QSize InWindowPixels(const QPixmap& picture)
{
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

QImage Screen(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct ShownPicture {
    const char* file;  // below the resources, e.g. "images/intro.png"
    // Where the shown part's top-left corner is in the window; for parts of
    // a background an even point, which lies on a screen pixel's corner at 1.5.
    QPoint at;
    QRect part;        // the part of the picture that shows, in its window pixels
};

void ExpectPicturesShown(QWidget& window, const std::vector<ShownPicture>& pictures)
{
    if (!window.isVisible()) {  // painted on the screen as the player sees it
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    const QImage screen = Screen(window);
    ASSERT_EQ(screen.size(), (QSizeF(window.size()) * ScreenScale()).toSize());
    for (const ShownPicture& p : pictures) {
        const QString path = QStringLiteral(":/") + QString::fromLatin1(p.file);
        EXPECT_EQ(Mismatches(screen, p.at, Expected(path, p.part)), 0)
            << p.file << " at " << p.at.x() << "," << p.at.y() << ", scale " << ScreenScale();
    }
}

QRect Whole(int width, int height) { return QRect(0, 0, width, height); }

// Without this the other tests could pass on an unscaled screen.
TEST(ScaledScreen, WindowsRunAtTheScaleAskedFor)
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) << "ctest sets the scale of each run";
    const qreal asked = qgetenv("QT_SCALE_FACTOR").toDouble();
    ShownWindow window;
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), asked);
    EXPECT_EQ(window->size(), MainWindow::ClientSize);
}

TEST(ScaledScreen, MainWindowShowsEveryPictureUnblurred)
{
    ShownWindow window;
    ExpectPicturesShown(*window, {
                                     {"images/intro.png", WellOrigin, Whole(160, 288)},
                                     {"images/background.png", {190, 4}, {190, 4, 78, 18}},
                                     {"images/background.png", {186, 300}, {186, 300, 140, 24}},
                                     {"images/button_up.png", {208, 32}, Whole(12, 12)},
                                     {"images/button_up.png", {208, 80}, Whole(12, 12)},
                                     {"skin/KLEIN.bmp", {272, 8}, Whole(33, 12)},
                                     {"skin/EXIT.bmp", {304, 8}, Whole(19, 12)},
                                 });

    window.Button("pauseButton")->ShowPressed();
    window.Button("minimiseButton")->ShowPressed();
    window.Button("closeButton")->ShowPressed();
    ExpectPicturesShown(*window, {
                                     {"images/button_down.png", {208, 80}, Whole(12, 12)},
                                     {"skin/RKLEIN.bmp", {272, 8}, Whole(33, 12)},
                                     {"skin/REXIT.bmp", {304, 8}, Whole(19, 12)},
                                 });
}

TEST(ScaledScreen, WellAndPreviewShowTheirTilesUnblurred)
{
    ShownWindow window;
    window->SetIntroVisible(false);
    window->ShowPreview(4);
    std::vector<ShownPicture> shown = {{"images/next4.png", {210, 130}, Whole(96, 64)}};
    static const std::string tileFiles[] = {"images/tile0.png", "images/tile1.png", "images/tile2.png",
                                            "images/tile3.png", "images/tile4.png", "images/tile5.png",
                                            "images/tile6.png", "images/tile7.png"};
    for (int tile = 0; tile < 8; ++tile) {
        const int col = tile + 2, row = tile % 2 == 0 ? 18 : 1;
        window->PaintTile(col, row, tile);
        shown.push_back({tileFiles[tile].c_str(), WellOrigin + QPoint(16 * (col - 1), 16 * (row - 1)), Whole(16, 16)});
    }
    window->PresentWell();
    ExpectPicturesShown(*window, shown);
}

TEST(ScaledScreen, OptionsAndHighScoresShowEveryPictureUnblurred)
{
    QTemporaryDir dir;
    brixel::Settings settings;
    OptionsDialog options(settings, dir.filePath(QStringLiteral("Brixel32.ini")));
    ExpectPicturesShown(options, {
                                     {"images/options_background.png", {14, 12}, {14, 12, 142, 32}},
                                     {"skin/OK.bmp", {48, 200}, Whole(95, 23)},
                                     {"skin/ABBRECHEN.bmp", {48, 240}, Whole(95, 23)},
                                 });
    options.findChild<PictureButton*>(QStringLiteral("cancelButton"))->ShowPressed();
    ExpectPicturesShown(options, {{"skin/REVERSE.bmp", {48, 240}, Whole(95, 23)}});

    HighScoreWindow scores;
    ExpectPicturesShown(scores, {
                                    {"skin/FM.bmp", {0, 194}, {0, 194, 334, 23}},
                                    {"skin/OK.bmp", {120, 168}, Whole(95, 23)},
                                });
}

// A picture button shows its whole picture, released or pressed, and covers
// nothing beside it.
TEST(ScaledScreen, EveryPictureButtonIsAsLargeAsEachOfItsPictures)
{
    ShownWindow main;
    QTemporaryDir dir;
    brixel::Settings settings;
    OptionsDialog options(settings, dir.filePath(QStringLiteral("Brixel32.ini")));
    HighScoreWindow scores;
    int buttons = 0;
    for (QWidget* window : {static_cast<QWidget*>(main.window.get()), static_cast<QWidget*>(&options),
                            static_cast<QWidget*>(&scores)}) {
        for (PictureButton* button : window->findChildren<PictureButton*>()) {
            ++buttons;
            const std::string name = button->objectName().toStdString();
            EXPECT_EQ(button->size(), InWindowPixels(button->pixmap())) << name << " released";
            button->ShowPressed();
            EXPECT_EQ(button->size(), InWindowPixels(button->pixmap())) << name << " pressed";
            button->ShowReleased();
        }
    }
    EXPECT_EQ(buttons, 4 + 2 + 2 + 1);  // menu, title bar, options, high scores
}

}  // namespace
}  // namespace fallox::test

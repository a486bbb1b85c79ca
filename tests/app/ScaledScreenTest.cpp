// The three windows on a screen that scales by 1, 1.25, 1.5, 1.75, 2 or 3:
// ctest runs this program once per scale, with QT_SCALE_FACTOR set before the
// application starts. The layout stays in window pixels; the pictures must not
// be blurred:
// - at a whole scale every picture reaches the screen pixel for pixel as the
//   file painted for that scale ("name@2x.png");
// - at a fractional scale every screen pixel shows the average of the pixels
//   of the 3x picture that it covers (2 x 2 at 1.5): what a painting at that
//   scale would give, nothing blurrier and no pixel doubled. Neither the 1x
//   picture stretched to 1.25 nor the 2x one squeezed to 1.75 passes.

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

// A picture's size in window pixels.
QSize InWindowPixels(const QPixmap& picture)
{
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

void ExpectPicturesShown(QWidget& window, const std::vector<ShownPicture>& pictures)
{
    if (!window.isVisible()) {  // painted on the screen as the player sees it
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ASSERT_EQ(window.grab().size(), (QSizeF(window.size()) * ScreenScale()).toSize());
    EXPECT_EQ(PicturesDiffering(window, pictures), std::vector<std::string>());
}

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

TEST(ScaledScreen, WellAndEveryPiecesPreviewShowTheirTilesUnblurred)
{
    ShownWindow window;
    window->SetIntroVisible(false);
    for (int piece = 1; piece <= 7; ++piece) {
        window->ShowPreview(piece);
        ExpectPicturesShown(*window, {{QStringLiteral("images/next%1.png").arg(piece), {210, 130}, Whole(96, 64)}});
    }
    window->ShowPreview(4);
    std::vector<ShownPicture> shown = {{"images/next4.png", {210, 130}, Whole(96, 64)}};
    for (int tile = 0; tile < 8; ++tile) {
        const int col = tile + 2, row = tile % 2 == 0 ? 18 : 1;
        window->PaintTile(col, row, tile);
        shown.push_back({QStringLiteral("images/tile%1.png").arg(tile), WellOrigin + QPoint(16 * (col - 1), 16 * (row - 1)), Whole(16, 16)});
    }
    window->PresentWell();
    ExpectPicturesShown(*window, shown);
}

TEST(ScaledScreen, OptionsAndHighScoresShowEveryPictureUnblurred)
{
    QTemporaryDir dir;
    brixel::Settings settings;
    const QString ini = dir.filePath(QStringLiteral("Brixel32.ini"));
    OptionsDialog options(settings, {ini, ini});
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
    const QString ini = dir.filePath(QStringLiteral("Brixel32.ini"));
    OptionsDialog options(settings, {ini, ini});
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

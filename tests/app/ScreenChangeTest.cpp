// The windows on a desktop with two screens of different scale, side by side:
// "Normal" (scale 1) on the left and "Sharp" (scale 2) on the right, as the
// offscreen platform's configuration file given by ctest describes them. A
// window that moves across, or opens on the sharp screen, must show every
// picture as painted for that screen's scale, and the well the cells it
// showed before.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include "WindowTestSupport.h"
#include "app/WellView.h"
#include "core/GameState.h"
#include "highscores/HighScoreWindow.h"
#include "settings/OptionsDialog.h"

namespace fallox::test {
namespace {

QScreen* ScreenNamed(const char* name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name)) {
            return screen;
        }
    }
    ADD_FAILURE() << "no screen " << name << "; is the two-screen configuration missing?";
    return QGuiApplication::primaryScreen();
}

// Moves the window onto `screen` and waits until it has that screen's scale.
void MoveTo(QWidget& window, const char* screen)
{
    const QRect area = ScreenNamed(screen)->geometry();
    window.move(area.topLeft() + QPoint(40, 30));
    const qreal scale = ScreenNamed(screen)->devicePixelRatio();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.devicePixelRatioF() == scale; })) << screen;
}

const std::vector<ShownPicture> MainPictures = {
    {"images/intro.png", WellOrigin, Whole(160, 288)},
    {"images/background.png", {190, 4}, {190, 4, 78, 18}},
    {"images/button_up.png", {208, 32}, Whole(12, 12)},
    {"skin/KLEIN.bmp", {272, 8}, Whole(33, 12)},
    {"skin/EXIT.bmp", {304, 8}, Whole(19, 12)},
    {"images/next4.png", {210, 130}, Whole(96, 64)},
};

TEST(ScreenChange, TheMainWindowTakesThePicturesOfEachScreenItMovesTo)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "ctest runs this on two screens";
    ShownWindow window;
    window->ShowPreview(4);
    std::vector<ShownPicture> tiles;
    for (int tile = 0; tile < 8; ++tile) {
        const int col = tile + 2, row = tile % 2 == 0 ? 18 : 1;
        window->PaintTile(col, row, tile);
        tiles.push_back({QStringLiteral("images/tile%1.png").arg(tile), WellOrigin + QPoint(16 * (col - 1), 16 * (row - 1)),
                         Whole(16, 16)});
    }
    window->PresentWell();
    MoveTo(*window, "Normal");
    EXPECT_EQ(PicturesDiffering(*window, MainPictures), std::vector<std::string>());

    // Across to the sharp screen and back: the cells painted before the moves
    // come out in the tiles for each scale.
    for (const char* screen : {"Sharp", "Normal", "Sharp"}) {
        window->SetIntroVisible(true);
        MoveTo(*window, screen);
        EXPECT_EQ(PicturesDiffering(*window, MainPictures), std::vector<std::string>()) << screen;
        window->SetIntroVisible(false);
        EXPECT_EQ(PicturesDiffering(*window, tiles), std::vector<std::string>()) << screen;
        // Whole tiles enlarged by 2 look alike; the well's own picture shows
        // whether it was painted for the screen.
        EXPECT_EQ(window->findChild<WellView*>("well")->Picture().devicePixelRatio(), window->devicePixelRatioF())
            << screen;
    }
}

// Keeps a window from hearing that it went to another screen or that its
// screen's scale changed, as where nothing reports that before the window is
// shown: before Qt 6.6 no event tells a widget that the scale of the screen
// it stays on has changed.
class ScreenChangesWithheld : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        if (event->type() == QEvent::DevicePixelRatioChange) {
            return true;
        }
#endif
        return event->type() == QEvent::ScreenChangeInternal;
    }
};

TEST(ScreenChange, OptionsAndHighScoresOpenedOnTheSharpScreenShowItsPictures)
{
    QTemporaryDir dir;
    brixel::Settings settings;
    const QString ini = dir.filePath(QStringLiteral("Brixel32.ini"));
    OptionsDialog options(settings, {ini, ini});
    HighScoreWindow scores;
    const std::vector<std::pair<QWidget*, std::vector<ShownPicture>>> windows = {
        {&options,
         {{"images/options_background.png", {14, 12}, {14, 12, 142, 32}},
          {"skin/OK.bmp", {48, 200}, Whole(95, 23)},
          {"skin/ABBRECHEN.bmp", {48, 240}, Whole(95, 23)}}},
        {&scores,
         {{"skin/FM.bmp", {0, 194}, {0, 194, 334, 23}},
          {"skin/OK.bmp", {120, 168}, Whole(95, 23)},
          {"images/highscore_title.png", {104, 8}, Whole(141, 42)},
          {"images/icon.png", {24, 80}, Whole(32, 32)}}},
    };
    for (const auto& [window, pictures] : windows) {
        // Made while the program knew only the primary screen's scale, and
        // told of the sharp one no sooner than it is shown there.
        ScreenChangesWithheld withheld;
        window->installEventFilter(&withheld);
        window->move(ScreenNamed("Sharp")->geometry().topLeft() + QPoint(40, 30));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->removeEventFilter(&withheld);
        ASSERT_EQ(window->devicePixelRatioF(), 2.0);
        EXPECT_EQ(PicturesDiffering(*window, pictures), std::vector<std::string>()) << window->windowTitle().toStdString();
        window->hide();
    }
}

}  // namespace
}  // namespace fallox::test

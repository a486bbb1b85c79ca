#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/WellView.h"
#include "media/PictureButton.h"
#include "media/SkinPictures.h"

namespace fallox::test {
namespace {

QImage Picture(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

struct ButtonPictures {
    const char* name;
    QImage released;
    QImage pressed;
};

TEST(PictureButtons, PressShowsThePressedPictureAndReleaseRestoresIt)
{
    const ButtonPictures buttons[] = {
        // The pause button is left out: it stays down after its release.
        // The exit button comes last, as its release closes the window.
        {"highScoresButton", Picture(DesignPicture("button_up", 1)), Picture(DesignPicture("button_down", 1))},
        {"optionsButton", Picture(DesignPicture("button_up", 1)), Picture(DesignPicture("button_down", 1))},
        {"minimiseButton", Picture(SkinPicture("klein", 1)), Picture(SkinPicture("rklein", 1))},
        {"closeButton", Picture(SkinPicture("exit", 1)), Picture(SkinPicture("rexit", 1))},
    };
    for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        ShownWindow window;
        for (const ButtonPictures& b : buttons) {
            PictureButton* button = window.Button(QString::fromLatin1(b.name));
            EXPECT_EQ(Picture(button->pixmap()), b.released) << b.name;
            QTest::mousePress(button, mouse, {}, QPoint(4, 4));
            EXPECT_EQ(Picture(button->pixmap()), b.pressed) << b.name << " button " << mouse;
            QTest::mouseRelease(button, mouse, {}, QPoint(4, 4));
            EXPECT_EQ(Picture(button->pixmap()), b.released) << b.name << " button " << mouse;
            window->showNormal();  // the minimise button did its job
        }
    }
}

TEST(PictureButtons, ReleaseOutsideTheButtonStillActs)
{
    ShownWindow window;
    int opened = 0;
    window->onOptions = [&] { ++opened; };
    PictureButton* option = window.Button("optionsButton");
    // Through the window system, as the player's mouse goes: the press
    // lands on the button, the release over the well.
    QWindow* screen = window->windowHandle();
    QTest::mousePress(screen, Qt::LeftButton, {}, option->geometry().center());
    EXPECT_TRUE(option->IsShowingPressed());
    QTest::mouseRelease(screen, Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(option->IsShowingPressed());
}

TEST(PictureButtons, PauseButtonStaysDownWhilePaused)
{
    ShownWindow window;
    PictureButton* pause = window.Button("pauseButton");
    window.Click("pauseButton");
    EXPECT_TRUE(window->Game().State().Paused);
    EXPECT_TRUE(pause->IsShowingPressed());
    window.Click("pauseButton");
    EXPECT_FALSE(window->Game().State().Paused);
    EXPECT_FALSE(pause->IsShowingPressed());
}

TEST(PictureButtons, AnyMenuButtonBeforeTheFirstGameUncoversTheEmptyGrayWell)
{
    for (int index = 1; index < 4; ++index) {
        ShownWindow window;
        QTest::mousePress(window.Button(MenuButtonNames[index]), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(window.Control("intro")->isVisible()) << index;
        QTest::mouseRelease(window.Button(MenuButtonNames[index]), Qt::LeftButton, {}, QPoint(4, 4));

        const QImage screen = window.Screen();
        for (int y = 0; y < 288; y += 7) {
            for (int x = 0; x < 160; x += 5) {
                ASSERT_EQ(screen.pixel(WellOrigin + QPoint(x, y)), qRgb(192, 192, 192))
                    << "button " << index << " at " << x << "," << y;
            }
        }
    }
}

TEST(PictureButtons, HighScoreAndOptionButtonsCallTheirHooks)
{
    ShownWindow window;
    int highScores = 0;
    int options = 0;
    bool downDuringAction = true;
    window->onHighScores = [&] {
        ++highScores;
        downDuringAction = window.Button("highScoresButton")->IsShowingPressed();
    };
    window->onOptions = [&] { ++options; };
    window.Click("highScoresButton");
    window.Click("optionsButton");
    window.Click("optionsButton");
    EXPECT_EQ(highScores, 1);
    EXPECT_EQ(options, 2);
    EXPECT_FALSE(downDuringAction) << "the released picture comes back before the action";
}

TEST(WindowState, RestoringBeforeAnyGameChangesNothing)
{
    ShownWindow window;
    window->showMinimized();
    window->showNormal();
    EXPECT_FALSE(window->Game().State().Paused);
    EXPECT_TRUE(window.Control("intro")->isVisible());
    EXPECT_FALSE(window.Control<WellView>("well")->HasPicture());
}

}  // namespace
}  // namespace fallox::test

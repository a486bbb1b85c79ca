// The program as a whole: the options dialog and the high-score window
// working with a running game in the main window.
#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/Program.h"
#include "media/PictureButton.h"
#include "settings/SettingsFilePath.h"

namespace fallox::test {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
    {
        // Settings and scores go to Qt's test folders, never the player's.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SettingsFileLocation().saveTo);
        program = std::make_unique<Program>();
        program->Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Main()));
    }
    ~ProgramTest() override
    {
        program.reset();
        QFile::remove(SettingsFileLocation().saveTo);
    }

    MainWindow& Main() { return program->Window(); }
    brixel::GameState& State() { return Main().Game().State(); }

    static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 6)); }
    void ClickMain(const char* name) { Click(Main().findChild<PictureButton*>(QString::fromLatin1(name))); }

    static QWidget* Options()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowTitle() == QLatin1String("Brixel32 Options")) {
                return w;
            }
        }
        return nullptr;
    }
    static void ClickOptions(const char* name) { Click(Options()->findChild<PictureButton*>(QString::fromLatin1(name))); }

    // Starts a game and runs the steps one after the other from timers, so
    // the game loop gets back control between them; the last one ends it.
    void Play(std::vector<std::function<void()>> steps)
    {
        int delay = 50;
        for (auto& step : steps) {
            QTimer::singleShot(delay, &Main(), step);
            delay += 100;
        }
        QTimer::singleShot(delay + 5000, &Main(), [this] {
            ADD_FAILURE() << "the game did not end";
            Main().Game().RequestExit();
        });
        ClickMain("newGameButton");
    }

    std::unique_ptr<Program> program;
};

TEST_F(ProgramTest, OptionsDuringAGamePauseItAndItStaysPausedAfterOkOrCancel)
{
    bool pausedWhileOpen = false;
    bool pausedAfterOk = false;
    bool pausedAfterCancel = false;
    Main().Host().SetRandomSource([] { return 0.99; });
    Play({[&] { ClickMain("optionsButton"); },
          [&] {
              pausedWhileOpen = State().Paused;
              ASSERT_NE(Options(), nullptr);
              EXPECT_TRUE(Options()->isVisible());
              ClickOptions("okButton");
          },
          [&] {
              pausedAfterOk = State().Paused;
              EXPECT_FALSE(Options()->isVisible());
              ClickMain("optionsButton");
          },
          [&] { ClickOptions("cancelButton"); },
          [&] {
              pausedAfterCancel = State().Paused;
              Main().Game().RequestExit();
          }});
    EXPECT_TRUE(pausedWhileOpen);
    EXPECT_TRUE(pausedAfterOk);
    EXPECT_TRUE(pausedAfterCancel);
}

TEST_F(ProgramTest, NextGameStartsAtTheConfirmedLevelWithTheConfirmedFill)
{
    ClickMain("optionsButton");
    ASSERT_NE(Options(), nullptr);
    auto* level = Options()->findChild<QLineEdit*>(QStringLiteral("levelBox"));
    level->setText(QStringLiteral("7"));
    Options()->findChild<QWidget*>(QStringLiteral("fillLinesBox"))->setProperty("checked", true);
    ClickOptions("okButton");
    ASSERT_EQ(State().Options.StartingLevel, 7.0);
    ASSERT_EQ(State().Options.FillLines, true);

    int filled = 0;
    int level7 = 0;
    Main().Host().SetRandomSource([] { return 0.01; });  // every cell of rows 10..18 is filled
    Play({[&] {
        level7 = State().Level;
        for (int col = 1; col <= brixel::WellColumns; ++col) {
            for (int row = 10; row <= brixel::WellRows; ++row) {
                filled += State().Board(col, row) != 0;
            }
        }
        Main().Game().RequestExit();
    }});
    EXPECT_EQ(level7, 7);
    EXPECT_EQ(filled, 90);
}

TEST_F(ProgramTest, SavedOptionsAreReadBackAtTheNextStart)
{
    ClickMain("optionsButton");
    Options()->findChild<QLineEdit*>(QStringLiteral("levelBox"))->setText(QStringLiteral("4"));
    Options()->findChild<QWidget*>(QStringLiteral("soundBox"))->setProperty("checked", true);
    ClickOptions("okButton");
    program.reset();

    program = std::make_unique<Program>();
    program->Start();
    EXPECT_EQ(State().Options.StartingLevel, 4.0);
    EXPECT_EQ(State().Options.PlaySounds, true);
    EXPECT_EQ(State().Options.FillLines, false);
}

}  // namespace
}  // namespace fallox::test

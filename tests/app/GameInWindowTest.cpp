#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/WellView.h"
#include "media/PictureButton.h"

namespace fallox::test {
namespace {

using brixel::Well;

// The base colour of each piece's tile, shown at (4, 11) inside the tile.
const QRgb TileColour[8] = {
    qRgb(192, 192, 192), 0,  // empty cell; tile 1 is rings of every colour
    qRgb(213, 43, 43),   qRgb(213, 128, 43), qRgb(213, 213, 43),
    qRgb(43, 213, 43),   qRgb(43, 43, 213),  qRgb(170, 43, 213),
};

QRgb CellPixel(const QImage& screen, int col, int row)
{
    return screen.pixel(WellOrigin + QPoint(16 * (col - 1) + 4, 16 * (row - 1) + 11));
}

int CountCells(const Well& well, int type)
{
    int count = 0;
    for (int col = 1; col <= brixel::WellColumns; ++col) {
        for (int row = 1; row <= brixel::WellRows; ++row) {
            count += well(col, row) == type;
        }
    }
    return count;
}

// Each step of a script runs from its own timer, so the game loop gets
// back control between them and plays on.
void Later(ShownWindow& window, int ms, const std::function<void()>& step)
{
    QTimer::singleShot(ms, window.window.get(), step);
}

TEST(GameInWindow, WellShowsEachPieceInItsColourAfterAMove)
{
    for (int type = 2; type <= 7; ++type) {
        ShownWindow window;
        window->Host().SetRandomSource([type] { return ChanceFor(type); });
        Well spawned;
        Well moved;
        QImage screen;
        PlayScripted(window, [&] {
            spawned = window->Game().State().Board;
            QTest::keyClick(window->windowHandle(), Qt::Key_Left);
            moved = window->Game().State().Board;
            screen = window.Screen();
            window->Game().RequestExit();
        });
        ASSERT_EQ(CountCells(moved, type), 4) << "type " << type;
        ASSERT_NE(moved, spawned) << "type " << type << " did not move";
        for (int col = 1; col <= brixel::WellColumns; ++col) {
            for (int row = 1; row <= brixel::WellRows; ++row) {
                EXPECT_EQ(CellPixel(screen, col, row), TileColour[moved(col, row)])
                    << "type " << type << " cell " << col << "," << row;
            }
        }
    }
}

TEST(GameInWindow, GameShowsItsPreviewAndCountersAndCoversTheWellWhenOver)
{
    ShownWindow window;
    window->Host().SetRandomSource([] { return ChanceFor(3); });
    QTimer dropper;
    QObject::connect(&dropper, &QTimer::timeout, [&] { QTest::keyClick(window->windowHandle(), Qt::Key_Down); });
    PlayScripted(window, [&] {
        EXPECT_FALSE(window.Control("intro")->isVisible());
        const QImage preview = window.Control<QLabel>("preview")->pixmap().toImage();
        EXPECT_EQ(preview, QImage(":/images/next3.png").convertToFormat(preview.format()));
        // Dropping every piece at once fills the well quickly: the game ends by itself.
        dropper.start(2);
    });
    EXPECT_EQ(window->Game().State().GameRunning, 0);
    EXPECT_TRUE(window.Control("intro")->isVisible());
    EXPECT_NE(window.Control<QLabel>("scoreLabel")->text(), "0") << "hard drops earn points";
}

// Four rows at level 3 bring 4000 points; the bar dropped into them falls
// 14 rows more (from row 2 to row 16) and earns 14 points for the drop.
TEST(GameInWindow, CountersShowScoreLinesAndLevelEachInItsOwnLabel)
{
    ShownWindow window;
    window->Game().State().Options.StartingLevel = 3;
    window->Host().SetRandomSource([] { return ChanceFor(1); });
    std::string levelAtStart;
    std::string score;
    std::string lines;
    std::string level;
    QTimer watch;
    PlayScripted(window, [&] {
        levelAtStart = window.Control<QLabel>("levelLabel")->text().toStdString();
        brixel::GameState& s = window->Game().State();
        // Rows 15..18 full but for column 5, where the bar will go.
        for (int row = 15; row <= brixel::WellRows; ++row) {
            for (int col = 1; col <= brixel::WellColumns; ++col) {
                s.Board(col, row) = col == 5 ? 0 : 2;
            }
        }
        // The bar comes in lying in row 1; once it has fallen a row it has room to stand up.
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (s.PieceRow != 2 || s.PieceType != 1) {
                return;
            }
            watch.stop();
            QTest::keyClick(window->windowHandle(), Qt::Key_Up);
            QTest::keyClick(window->windowHandle(), Qt::Key_Down);
            Later(window, 50, [&] {
                score = window.Control<QLabel>("scoreLabel")->text().toStdString();
                lines = window.Control<QLabel>("linesLabel")->text().toStdString();
                level = window.Control<QLabel>("levelLabel")->text().toStdString();
                window->Game().RequestExit();
            });
        });
        watch.start(5);
    });
    EXPECT_EQ(levelAtStart, "3");
    EXPECT_EQ(score, "4014");
    EXPECT_EQ(lines, "4");
    EXPECT_EQ(level, "3");
}

TEST(GameInWindow, PauseHoldsTheGameUnderThePausedTitle)
{
    ShownWindow window;
    QString titleWhilePaused;
    Well before;
    Well after;
    PlayScripted(window, [&] {
        window.Click("pauseButton");
        before = window->Game().State().Board;
        Later(window, 700, [&] {  // longer than a step at level 0
            after = window->Game().State().Board;
            titleWhilePaused = window->windowTitle();
            window.Click("pauseButton");
            Later(window, 20, [&] { window->Game().RequestExit(); });
        });
    });
    EXPECT_EQ(titleWhilePaused, "Brixel32 - Paused");
    EXPECT_EQ(before, after);
    EXPECT_EQ(window->windowTitle(), "Brixel32");
}

struct Minimise {
    const char* desktop;
    bool takesWindowOffScreen;  // false: the desktop ignores the request
};

const Minimise Minimises[] = {
    {"a desktop that minimises", true},
    {"a desktop that leaves the window on the screen", false},
};

TEST(GameInWindow, MinimisingLetsTheGameRunUnseenAndTheReturnHoldsIt)
{
    for (const Minimise& minimise : Minimises) {
        ShownWindow window;
        window->Host().SetRandomSource([] { return ChanceFor(4); });
        Well spawned;
        Well whileMinimised;
        bool pausedWhileMinimised = true;
        QString titleAfterRestore;
        PlayScripted(window, [&] {
            spawned = window->Game().State().Board;
            window.Click("minimiseButton");
            if (minimise.takesWindowOffScreen) {
                window->windowHandle()->hide();  // Qt's offscreen screen keeps a minimised window shown
            }
            Later(window, MainWindow::MinimiseGrace + 100, [&] {
                whileMinimised = window->Game().State().Board;
                pausedWhileMinimised = window->Game().State().Paused;
                window->showNormal();
                Later(window, 20, [&] {
                    titleAfterRestore = window->windowTitle();
                    window->Game().RequestExit();
                });
            });
        });
        EXPECT_EQ(pausedWhileMinimised, !minimise.takesWindowOffScreen) << minimise.desktop;
        if (minimise.takesWindowOffScreen) {
            EXPECT_NE(spawned, whileMinimised) << "the piece fell while the window was minimised";
        }
        EXPECT_TRUE(window->Game().State().Paused) << minimise.desktop;
        EXPECT_EQ(titleAfterRestore, "Brixel32 - Paused") << minimise.desktop;
    }
}

// Runs the program's event loop the way main() does, with `script` started
// from it; returns exec()'s result, or -1 when the loop had to be stopped.
int RunEventLoop(MainWindow& window, const std::function<void()>& script)
{
    QObject::connect(&window, &MainWindow::ProgramEnded, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, &window, script);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        window.Game().RequestExit();
        QCoreApplication::exit(-1);
    });
    watchdog.start(5000);
    return QApplication::exec();
}

TEST(ProgramEnd, ExitButtonDuringAGameEndsTheGameAndTheEventLoop)
{
    ShownWindow window;
    QSignalSpy ended(window.window.get(), &MainWindow::ProgramEnded);
    bool gameReturned = false;
    const int result = RunEventLoop(*window, [&] {
        QTimer::singleShot(50, [&] { window.Click("closeButton"); });
        window.Click("newGameButton");
        gameReturned = true;
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(gameReturned);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Game().State().GameRunning, 0);
    EXPECT_TRUE(window.Control("intro")->isHidden()) << "no end-of-game steps after exit";
}

TEST(ProgramEnd, ExitDuringAPauseOfANestedGameEndsEverything)
{
    ShownWindow window;
    QSignalSpy ended(window.window.get(), &MainWindow::ProgramEnded);
    int gamesReturned = 0;
    int highScoreChecks = 0;
    window->Host().onCheckHighScore = [&](std::int32_t) { ++highScoreChecks; };
    const int result = RunEventLoop(*window, [&] {
        QTimer::singleShot(30, [&] {
            QTimer::singleShot(30, [&] { window.Click("pauseButton"); });
            QTimer::singleShot(60, [&] { window.Click("closeButton"); });
            window.Click("newGameButton");  // a second game inside the first one's wait
            ++gamesReturned;
        });
        window.Click("newGameButton");
        ++gamesReturned;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(gamesReturned, 2);
    EXPECT_EQ(ended.count(), 1) << "the program ends once, after the outer game";
    EXPECT_EQ(highScoreChecks, 0);
}

TEST(ProgramEnd, ClosingTheIdleWindowEndsTheProgramAndTheOtherWindows)
{
    ShownWindow window;
    int othersClosed = 0;
    window->onCloseOtherWindows = [&] { ++othersClosed; };
    const int result = RunEventLoop(*window, [&] { window->close(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(othersClosed, 1);
}

}  // namespace
}  // namespace fallox::test

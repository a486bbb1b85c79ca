#include "highscores/HighScoreWindow.h"

#include <QImage>
#include <QPushButton>
#include <QWindow>

#include <string>

#include "GuiTestSupport.h"
#include "media/SkinPictures.h"

namespace brixel {
namespace {

using test::LookAndClose;
using test::ModalPlayer;

TEST(HighScoreWindow, ControlsSitWhereTheWindowDesignPutsThem)
{
    HighScoreWindow window;
    EXPECT_EQ(window.size(), QSize(334, 217));
    EXPECT_EQ(window.windowTitle(), "High Scores");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.OkButton()->pixmap().toImage(), SkinPicture("OK", 1).toImage());

    const std::pair<QWidget*, QRect> boxes[] = {
        {window.Lettering(), {104, 8, 141, 42}},    {window.Icon(), {24, 80, 32, 32}},
        {window.OkButton(), {120, 168, 95, 23}},   {window.RankLabel(0), {80, 48, 17, 17}},
        {window.RankLabel(4), {80, 144, 17, 17}},   {window.NameLabel(1), {104, 48, 137, 17}},
        {window.NameLabel(5), {104, 144, 137, 17}}, {window.ScoreLabel(3), {248, 96, 65, 17}},
    };
    for (const auto& [control, box] : boxes) {
        EXPECT_EQ(control->geometry(), box) << control->metaObject()->className();
    }
    EXPECT_EQ(window.NameLabel(2)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(window.ScoreLabel(2)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(window.NameLabel(3)->textFormat(), Qt::PlainText);  // a name is never markup
}

TEST(HighScoreWindow, RowsShowTheTableItIsGiven)
{
    HighScoreTable played;
    const std::pair<std::string, double> entries[] = {{"J\xfcrgen", 12500}, {"", 700}, {"<b>A&B</b>", 30}, {"A:B", 2.5}, {"x", 0}};
    for (int place = 1; place <= HighScoreCount; ++place) {
        played.SetEntry(place, entries[place - 1].first, entries[place - 1].second);
    }
    const std::pair<HighScoreTable, QStringList> cases[] = {
        {HighScoreTable(), {"1. None 0", "2. None 0", "3. None 0", "4. None 0", "5. None 0"}},
        {played, {"1. J\u00fcrgen 12500", "2.  700", "3. <b>A&B</b> 30", "4. A:B 2.5", "5. x 0"}},
    };
    HighScoreWindow window;
    for (const auto& [table, expected] : cases) {
        QStringList rows;
        ModalPlayer player;
        player.Then<HighScoreWindow>(LookAndClose(rows));
        window.ShowHighScores(table);
        EXPECT_EQ(rows, expected);
    }
}

TEST(HighScoreWindow, OkOrAClosedWindowHidesItAndShowHighScoresReturns)
{
    struct Case {
        const char* what;
        Qt::MouseButton button;  // Qt::NoButton: the window manager closes the window
        QPoint releaseAt;        // relative to the button
    };
    const Case cases[] = {
        {"left", Qt::LeftButton, {40, 10}},
        {"right", Qt::RightButton, {40, 10}},
        {"released outside", Qt::LeftButton, {-60, -100}},
        {"closed by the window manager", Qt::NoButton, {}},
    };
    HighScoreWindow window;
    window.move(40, 30);
    for (const auto& c : cases) {
        bool pressedLookWhileShown = c.button == Qt::NoButton;
        ModalPlayer player;
        player.Then<HighScoreWindow>([&](HighScoreWindow* w) {
            if (c.button == Qt::NoButton) {
                w->windowHandle()->close();
                return;
            }
            QTest::mousePress(w->OkButton(), c.button, {}, {40, 10});
            pressedLookWhileShown = w->OkButton()->IsShowingPressed() && w->isVisible();
            QTest::mouseRelease(w->OkButton(), c.button, {}, c.releaseAt);
        });
        window.ShowHighScores(HighScoreTable());
        EXPECT_TRUE(player.Done()) << c.what;
        EXPECT_TRUE(pressedLookWhileShown) << c.what;
        EXPECT_FALSE(window.OkButton()->IsShowingPressed()) << c.what;
        EXPECT_FALSE(window.isVisible()) << c.what;
        EXPECT_EQ(window.pos(), QPoint(40, 30)) << c.what;
    }
}

TEST(HighScoreWindow, OtherWindowsTakeNoInputWhileItIsShown)
{
    QPushButton other(QStringLiteral("Neues spiel"));
    other.setGeometry(500, 400, 100, 30);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int clicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });
    // Through the platform's window, where input for blocked windows is dropped.
    const auto clickOther = [&] { QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, {50, 15}); };

    HighScoreWindow window;
    QStringList rows;
    ModalPlayer player;
    player.Then<HighScoreWindow>([&](HighScoreWindow* w) {
        clickOther();
        LookAndClose(rows)(w);
    });
    window.ShowHighScores(HighScoreTable());
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(clicks, 0);
    clickOther();
    EXPECT_EQ(clicks, 1);
}

TEST(HighScoreWindow, ALongNameIsCutAtTheEdgeOfItsBox)
{
    const std::string longName(80, 'W');
    HighScoreTable table;
    table.SetEntry(1, longName, 100);
    HighScoreWindow window;
    QImage picture;
    ModalPlayer player;
    player.Then<HighScoreWindow>([&](HighScoreWindow* w) {
        picture = w->grab().toImage();
        QTest::mouseClick(w->OkButton(), Qt::LeftButton);
    });
    window.ShowHighScores(table);

    EXPECT_EQ(window.NameLabel(1)->text(), QString::fromStdString(longName));  // not elided
    EXPECT_EQ(window.NameLabel(1)->geometry(), QRect(104, 48, 137, 17));
    int yellowInside = 0;
    int yellowBeyond = 0;
    for (int y = 48; y < 48 + 17; ++y) {
        for (int x = 104; x < 248 && !picture.isNull(); ++x) {
            if (picture.pixelColor(x, y) == QColor(255, 255, 0)) {
                ++(x < 104 + 137 ? yellowInside : yellowBeyond);
            }
        }
    }
    EXPECT_GT(yellowInside, 100);
    EXPECT_EQ(yellowBeyond, 0);
}

}  // namespace
}  // namespace brixel

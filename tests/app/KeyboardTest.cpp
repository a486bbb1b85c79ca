#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/KeyboardFilter.h"

namespace fallox::test {
namespace {

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

TEST(GameKeyCode, MapsTheSixKeysWhateverTheModifiers)
{
    const KeyCase cases[] = {
        {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Clear, Qt::KeypadModifier, 12},  // keypad 5, Num Lock off
        {Qt::Key_Left, Qt::KeypadModifier, 37},   // keypad 4, Num Lock off
        {Qt::Key_P, Qt::NoModifier, 80},
        {Qt::Key_P, Qt::ShiftModifier, 80},
        {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 37},
        {Qt::Key_5, Qt::KeypadModifier, 0},  // keypad 5 with Num Lock on is a digit
        {Qt::Key_Space, Qt::NoModifier, 0},
        {Qt::Key_O, Qt::NoModifier, 0},
        {Qt::Key_Return, Qt::NoModifier, 0},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(GameKeyCode(event), c.code) << "key " << c.key << " modifiers " << c.modifiers;
    }
}

// A game that is running with no falling piece reacts to P alone: a clean
// way to see whether a key reached the game.
void PretendGameRunning(MainWindow& window)
{
    auto& state = window.Game().State();
    state.GameRunning = brixel::True16;
    state.NewPiece = false;
    state.Paused = false;
}

TEST(MainWindowKeys, ReachTheGameWhicheverControlHasTheFocus)
{
    ShownWindow window;
    PretendGameRunning(*window);
    for (const char* name : {"", "scoreLabel", "newGameCaption", "well", "preview", "newGameButton"}) {
        QWidget* target = *name ? window.Control(QString::fromLatin1(name)) : window.window.get();
        target->setFocusPolicy(Qt::StrongFocus);
        target->setFocus();
        ASSERT_EQ(window->focusWidget(), target) << name;

        const bool before = window->Game().State().Paused;
        QTest::keyClick(window->windowHandle(), Qt::Key_P);
        EXPECT_NE(window->Game().State().Paused, before) << "focus on " << name;
    }
}

TEST(MainWindowKeys, EachPressActsOnceAndRepeatsCount)
{
    ShownWindow window;
    PretendGameRunning(*window);
    QWidget* label = window.Control("linesLabel");
    label->setFocusPolicy(Qt::StrongFocus);
    label->setFocus();
    QTest::keyPress(window->windowHandle(), Qt::Key_P);
    EXPECT_TRUE(window->Game().State().Paused) << "one press, one pause";
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"), true);
    QCoreApplication::sendEvent(label, &repeat);
    EXPECT_FALSE(window->Game().State().Paused) << "a held key's repeat acts as well";
}

TEST(MainWindowKeys, KeysOfOtherWindowsAreLeftAlone)
{
    ShownWindow window;
    PretendGameRunning(*window);
    QLabel other;
    other.show();
    QTest::keyClick(&other, Qt::Key_P);
    EXPECT_FALSE(window->Game().State().Paused);
}

}  // namespace
}  // namespace fallox::test

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "media/DesignFont.h"
#include "media/SkinnedWindow.h"

namespace fallox::test {
namespace {

// A skinned window with one text on it, shown at a known place.
class DraggedWindow : public SkinnedWindow {
public:
    DraggedWindow() : SkinnedWindow(QStringLiteral("Dragged"), QSize(200, 120))
    {
        caption = AddLabel(QStringLiteral("Text"), QRect(10, 10, 80, 17), DesignFont(11), Qt::white);
        move(300, 200);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    QLabel* caption = nullptr;
};

TEST(SkinnedWindowDrag, PressAndMoveOnTheBareSurfaceMovesTheWindowUntilTheRelease)
{
    DraggedWindow window;
    const DragOutcome drag = PressAndDrag(&window, QPoint(120, 80), QPoint(-40, -20));
    // The handler of the move that started the drag returns only after the
    // release: the game waiting for it holds for the whole drag.
    EXPECT_TRUE(drag.heldUntilRelease);
    EXPECT_EQ(drag.moved, QPoint(-40, -20));
}

TEST(SkinnedWindowDrag, PressWithoutAMoveDragsNothing)
{
    DraggedWindow window;
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(120, 80));
    const QPoint left = window.pos();
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &window,
                     [&] { ReleaseLeft(&window, window.mapToGlobal(QPoint(130, 90))); });
    watchdog.start(500);
    MoveMouse(&window, window.mapToGlobal(QPoint(130, 90)), Qt::LeftButton);
    EXPECT_EQ(window.pos(), left);
}

TEST(SkinnedWindowDrag, WindowStaysWhereItWasLeftWhileThePointerMovesOn)
{
    DraggedWindow window;
    PressAndDrag(&window, QPoint(120, 80), QPoint(-40, -20));
    const QPoint left = window.pos();
    // Moves after the release, also ones that report the left button down
    // without a press of their own, belong to no drag. Should one start a
    // drag after all, the next move shows it and a release ends it.
    const QPoint wanderedTo = window.mapToGlobal(QPoint(170, 100));
    const QPoint further = wanderedTo + QPoint(30, 20);
    QTimer::singleShot(0, &window, [&] { MoveMouse(&window, further, Qt::LeftButton); });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &window, [&] { ReleaseLeft(&window, further); });
    watchdog.start(500);
    MoveMouse(&window, window.mapToGlobal(QPoint(150, 90)), Qt::NoButton);
    MoveMouse(&window, wanderedTo, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(window.pos(), left);
}

struct NoDrag {
    const char* what;
    bool onCaption;
    Qt::MouseButton button;
    Qt::MouseButtons held;
};

const NoDrag PressesThatDoNotDrag[] = {
    {"right button", false, Qt::RightButton, Qt::RightButton},
    {"middle button", false, Qt::MiddleButton, Qt::MiddleButton},
    {"left press with the right button held", false, Qt::LeftButton, Qt::LeftButton | Qt::RightButton},
    {"left press on a text", true, Qt::LeftButton, Qt::LeftButton},
};

TEST(SkinnedWindowDrag, OnlyAFreshLeftPressOnTheBareSurfaceStartsADrag)
{
    for (const NoDrag& press : PressesThatDoNotDrag) {
        DraggedWindow window;
        QWidget* pressed = press.onCaption ? static_cast<QWidget*>(window.caption) : &window;
        const DragOutcome drag = PressAndDrag(pressed, QPoint(5, 5), QPoint(-40, -20), press.button, press.held);
        EXPECT_FALSE(drag.heldUntilRelease) << press.what;
        EXPECT_EQ(drag.moved, QPoint(0, 0)) << press.what;
    }
}

TEST(SkinnedWindowDrag, KeysDuringADragAreDropped)
{
    DraggedWindow window;
    int keys = 0;
    class KeyCounter : public QObject {
    public:
        explicit KeyCounter(int& count) : m_count(count) {}

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            m_count += event->type() == QEvent::KeyPress ? 1 : 0;
            return false;
        }

    private:
        int& m_count;
    } counter(keys);
    window.installEventFilter(&counter);
    // Between the move that starts the drag and the release.
    QTimer::singleShot(15, &window, [&] { QTest::keyClick(&window, Qt::Key_Left); });
    PressAndDrag(&window, QPoint(120, 80), QPoint(10, 10));
    EXPECT_EQ(keys, 0);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(keys, 1);
}

}  // namespace
}  // namespace fallox::test

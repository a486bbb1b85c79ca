#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/ActivationTracker.h"
#include "media/SkinnedWindow.h"

namespace fallox::test {
namespace {

// One focus change and whether the main window counts as activated by it.
struct FocusStep {
    const char* to;  // "main", "dialog", or "none" (another program has the focus)
    bool activates;
};

struct FocusCase {
    const char* name;
    std::vector<FocusStep> steps;
    bool dialogClosedBeforeLastStep;
};

TEST(ActivationTracker, CountsFocusComingBackFromTheProgramsOwnWindowsOnly)
{
    const FocusCase cases[] = {
        {"dialog to main", {{"main", false}, {"dialog", false}, {"main", true}}, false},
        {"dialog closes, short gap, main", {{"main", false}, {"dialog", false}, {"none", false}, {"main", true}}, true},
        {"other program and back", {{"main", false}, {"none", false}, {"main", false}}, false},
        {"dialog, other program, main", {{"main", false}, {"dialog", false}, {"none", false}, {"main", false}}, false},
        {"main stays focused", {{"main", false}, {"main", false}}, false},
        {"focus into the dialog", {{"main", false}, {"dialog", false}, {"dialog", false}}, false},
    };
    for (const FocusCase& c : cases) {
        QWindow main;
        QWindow dialog;
        dialog.show();
        ActivationTracker tracker(&main);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const FocusStep& step = c.steps[i];
            if (i + 1 == c.steps.size() && c.dialogClosedBeforeLastStep) {
                dialog.hide();
            }
            QWindow* to = std::string(step.to) == "main" ? &main : std::string(step.to) == "dialog" ? &dialog : nullptr;
            EXPECT_EQ(tracker.FocusMoved(to), step.activates) << c.name << ", step " << i;
        }
    }
}

TEST(ActivationTracker, FocusBackFromAMessageBoxIsNoActivation)
{
    QWindow main;
    QWindow options;
    QWindow messageBox;
    ActivationTracker tracker(&main, [&](const QWindow* w) { return w == &options; });
    tracker.FocusMoved(&main);
    tracker.FocusMoved(&messageBox);
    EXPECT_FALSE(tracker.FocusMoved(&main));
    tracker.FocusMoved(&options);
    tracker.FocusMoved(&messageBox);
    tracker.FocusMoved(&options);
    EXPECT_TRUE(tracker.FocusMoved(&main));
}

TEST(ActivationTracker, ADeletedDialogCountsAsClosed)
{
    QWindow main;
    ActivationTracker tracker(&main);
    auto dialog = std::make_unique<QWindow>();
    tracker.FocusMoved(&main);
    tracker.FocusMoved(dialog.get());
    tracker.FocusMoved(nullptr);
    dialog.reset();
    EXPECT_TRUE(tracker.FocusMoved(&main));
}

TEST(MainWindowActivation, ClosingAnotherWindowOfTheGameCentresTheMainWindowAgain)
{
    ShownWindow window;
    const QPoint centre = window->pos();
    window->move(centre + QPoint(-40, 25));  // dragged aside by the player

    SkinnedWindow dialog(QStringLiteral("High Scores"), QSize(100, 80));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(window->pos(), centre + QPoint(-40, 25)) << "the window stays while the dialog is open";

    dialog.close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.window.get()));
    EXPECT_EQ(window->pos(), centre);
}

TEST(MainWindowActivation, ClosingAMessageBoxLeavesTheMainWindowWhereItIs)
{
    ShownWindow window;
    const QPoint dragged = window->pos() + QPoint(-40, 25);
    window->move(dragged);

    QWidget messageBox;
    messageBox.resize(100, 80);
    messageBox.show();
    messageBox.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&messageBox));
    messageBox.close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.window.get()));
    EXPECT_EQ(window->pos(), dragged);
}

}  // namespace
}  // namespace fallox::test

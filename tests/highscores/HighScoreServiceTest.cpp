#include "highscores/HighScoreService.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <filesystem>
#include <string>

#include "GuiTestSupport.h"
#include "support/ScratchDir.h"

namespace brixel {
namespace {

namespace fs = std::filesystem;
using test::LookAndClose;
using test::ModalPlayer;
using test::ReadBytes;
using test::WriteBytes;

const std::string TieTable = "a:5000\r\nb:3000\r\nc:3000\r\nd:1000\r\ne:0\r\n";

QPushButton* Button(QInputDialog* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

// Types like a keyboard that has every character, also those QTest's key table lacks.
std::function<void(QInputDialog*)> Answer(const QString& name, QDialogButtonBox::StandardButton button)
{
    return [name, button](QInputDialog* dialog) {
        for (const QChar character : name) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(dialog->findChild<QLineEdit*>(), &press);
        }
        QTest::mouseClick(Button(dialog, button), Qt::LeftButton);
    };
}

std::function<void(QInputDialog*)> TypeAndConfirm(const QString& name)
{
    return Answer(name, QDialogButtonBox::Ok);
}

class HighScoreServiceTest : public ::testing::Test {
protected:
    test::ScratchDir dir;
    fs::path file = dir.Path() / "scores.lst";
};

TEST_F(HighScoreServiceTest, AsksInTheGamesWordsAndShowsTheNewEntryAtItsPlace)
{
    WriteBytes(file, TieTable);
    HighScoreService service(file);
    service.LoadAtStartup();

    QStringList box;
    QStringList rows;
    ModalPlayer player;
    player
        .Then<QInputDialog>([&](QInputDialog* dialog) {
            box << dialog->windowTitle() << dialog->labelText() << dialog->textValue()
                << QString::number(dialog->findChild<QLineEdit*>()->maxLength())
                << Button(dialog, QDialogButtonBox::Cancel)->text();
            TypeAndConfirm("Anna")(dialog);
        })
        .Then<HighScoreWindow>(LookAndClose(rows));

    EXPECT_EQ(service.CheckHighScore(3000), (NameEntryOutcome{2, true}));
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(box, QStringList({"Fallox", "Coole Leistung!\nHast es in die High Score geschafft!\nGib Deinen Namen ein:",
                                "", "255", "Abbrechen"}));
    EXPECT_EQ(rows, QStringList({"1. a 5000", "2. Anna 3000", "3. b 3000", "4. c 3000", "5. d 1000"}));
    EXPECT_EQ(ReadBytes(file), "a:5000\r\nAnna:3000\r\nb:3000\r\nc:3000\r\nd:1000\r\n");
}

TEST_F(HighScoreServiceTest, NamesReachTheFileAndComeBackAfterARestart)
{
    struct Case {
        std::function<void(QInputDialog*)> answer;
        std::string stored;  // bytes in the file
        QString shown;
    };
    const Case cases[] = {
        {TypeAndConfirm("A:B"), "A:B", "A:B"},
        {TypeAndConfirm("J\u00fcrgen"), "J\xfcrgen", "J\u00fcrgen"},
        {TypeAndConfirm("\u20ac \u201e"), "\x80 \x84", "\u20ac \u201e"},  // Windows-1252's own bytes
        {TypeAndConfirm("\u0141ukasz"), "?ukasz", "?ukasz"},  // beyond the code page
        {[](QInputDialog* dialog) {  // pasted with its line break
             dialog->findChild<QLineEdit*>()->setText("Zeile1\r\nZeile2");
             QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
         },
         "Zeile1  Zeile2", "Zeile1  Zeile2"},
        {Answer("Egal", QDialogButtonBox::Cancel), "", ""},
    };
    for (const auto& c : cases) {
        WriteBytes(file, TieTable);
        HighScoreService service(file);
        QStringList rows;
        ModalPlayer player;
        player.Then<QInputDialog>(c.answer).Then<HighScoreWindow>(LookAndClose(rows));
        service.CheckHighScore(6000);

        EXPECT_EQ(rows.value(0), "1. " + c.shown + " 6000");
        EXPECT_EQ(ReadBytes(file), c.stored + ":6000\r\na:5000\r\nb:3000\r\nc:3000\r\nd:1000\r\n");
        HighScoreService restarted(file);
        restarted.LoadAtStartup();
        EXPECT_EQ(restarted.Table(), service.Table()) << c.stored;
    }
}

TEST_F(HighScoreServiceTest, TheWindowOpensCentredThenWhereItWasAndBelowTheMainWindowFromTheButton)
{
    HighScoreService service(file);
    service.LoadAtStartup();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(screen.x() + (screen.width() - 334) / 2, screen.y() + (screen.height() - 217) / 2);

    QPoint firstAt, secondAt, buttonAt;
    QStringList rows;
    ModalPlayer player;
    player.Then<QInputDialog>(TypeAndConfirm("Eins")).Then<HighScoreWindow>(LookAndClose(rows, &firstAt));
    service.CheckHighScore(10);
    service.Window().move(40, 30);
    player.Then<QInputDialog>(TypeAndConfirm("Zwei")).Then<HighScoreWindow>(LookAndClose(rows, &secondAt));
    service.CheckHighScore(20);
    EXPECT_EQ(firstAt, centred);
    EXPECT_EQ(secondAt, QPoint(40, 30));

    // The button shows the table in memory, even when the file has changed since.
    WriteBytes(file, "x:9\r\nx:9\r\nx:9\r\nx:9\r\nx:9\r\n");
    QWidget mainWindow(nullptr, Qt::FramelessWindowHint);
    mainWindow.setGeometry(100, 50, 335, 329);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    service.SetOwner(&mainWindow);
    player.Then<HighScoreWindow>(LookAndClose(rows, &buttonAt));
    service.ShowFromButton();
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(buttonAt, QPoint(100, 50 + 329));
    EXPECT_EQ(rows.mid(0, 2), QStringList({"1. Zwei 20", "2. Eins 10"}));
}

TEST_F(HighScoreServiceTest, AFailedSaveWarnsOnceAndKeepsTheEntries)
{
    HighScoreService service(dir.Path() / "missing" / "scores.lst");
    service.LoadAtStartup();

    QString warning;
    QStringList rows;
    ModalPlayer player;
    player.Then<QInputDialog>(TypeAndConfirm("Erster"))
        .Then<HighScoreWindow>(LookAndClose(rows))
        .Then<QMessageBox>([&](QMessageBox* box) {
            warning = box->icon() == QMessageBox::Warning ? box->text() : "not a warning";
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    EXPECT_EQ(service.CheckHighScore(100), (NameEntryOutcome{1, false}));
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(rows.value(0), "1. Erster 100");
    EXPECT_TRUE(warning.startsWith("Die High Scores konnten nicht gespeichert werden:\n")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("missing")) << warning.toStdString();

    // The next game keeps the first entry and does not repeat the warning.
    player.Then<QInputDialog>(TypeAndConfirm("Zweiter")).Then<HighScoreWindow>(LookAndClose(rows));
    EXPECT_EQ(service.CheckHighScore(50), (NameEntryOutcome{2, false}));
    EXPECT_TRUE(player.Unexpected().isEmpty()) << player.Unexpected().join(", ").toStdString();
    EXPECT_EQ(rows.mid(0, 3), QStringList({"1. Erster 100", "2. Zweiter 50", "3. None 0"}));
}

TEST_F(HighScoreServiceTest, TheNameBoxTheWarningAndTheWindowStayWithTheMainWindow)
{
    // On a desktop that places windows itself (native Wayland) only a
    // transient parent keeps them with the game rather than anywhere.
    QWidget mainWindow(nullptr, Qt::FramelessWindowHint);
    mainWindow.setGeometry(100, 50, 335, 329);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    HighScoreService service(dir.Path() / "missing" / "scores.lst");
    service.SetOwner(&mainWindow);

    QStringList owners;
    const auto ownerOf = [&](QWidget* box) {
        const QWindow* parent = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        owners << (parent == mainWindow.windowHandle() ? "main window" : "none");
    };
    QStringList rows;
    ModalPlayer player;
    player
        .Then<QInputDialog>([&](QInputDialog* dialog) {
            ownerOf(dialog);
            TypeAndConfirm("Anna")(dialog);
        })
        .Then<HighScoreWindow>([&](HighScoreWindow* window) {
            ownerOf(window);
            LookAndClose(rows)(window);
        })
        .Then<QMessageBox>([&](QMessageBox* box) {
            ownerOf(box);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    service.CheckHighScore(100);
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(owners, QStringList({"main window", "main window", "main window"}));

    // A game that ended while the main window was minimised: the box and the
    // window stand on their own, so restoring the game's window is not held
    // up by them. From the button the window belongs to the main window again.
    const auto lookAndClose = [&](HighScoreWindow* window) {
        ownerOf(window);
        LookAndClose(rows)(window);
    };
    mainWindow.showMinimized();
    owners.clear();
    player.Then<QInputDialog>([&](QInputDialog* dialog) {
        ownerOf(dialog);
        TypeAndConfirm("Bert")(dialog);
    });
    player.Then<HighScoreWindow>(lookAndClose);
    service.CheckHighScore(200);
    mainWindow.showNormal();
    player.Then<HighScoreWindow>(lookAndClose);
    service.ShowFromButton();
    EXPECT_TRUE(player.Done());
    EXPECT_EQ(owners, QStringList({"none", "none", "main window"}));
}

}  // namespace
}  // namespace brixel

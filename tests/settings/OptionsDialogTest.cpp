#include "settings/OptionsDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <optional>
#include <string>
#include <vector>

#include "../support/QtPrinters.h"
#include "core/NumberText.h"
#include "media/PictureButton.h"
#include "media/SkinPictures.h"
#include "support/ScratchDir.h"

namespace brixel {
namespace {

// Answers every message box that comes up with OK and remembers what it said.
class MessageWatcher {
public:
    MessageWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            ++count;
            text = box->text();
            title = box->windowTitle();
            buttons = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(5);
    }

    int count = 0;
    QString text;
    QString title;
    int buttons = 0;

private:
    QTimer m_timer;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(m_dir.isValid());
        m_main.setGeometry(100, 50, 335, 329);
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString IniPath() const { return m_dir.filePath(QStringLiteral("Brixel32.ini")); }

    template <class Control>
    Control* Find(const char* name)
    {
        auto* control = m_dialog.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* LevelBox() { return Find<QLineEdit>("levelBox"); }
    QCheckBox* Box(const char* name) { return Find<QCheckBox>(name); }

    void OpenActive()
    {
        m_dialog.Open(&m_main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
    }

    // Types into the level box and moves on to the next control, as with Tab.
    void EnterLevelAndLeave(const QString& text)
    {
        LevelBox()->setFocus(Qt::TabFocusReason);
        LevelBox()->setText(text);
        ASSERT_TRUE(LevelBox()->hasFocus()) << "focus changes need an active dialog";
        Box("fillLinesBox")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    void Release(const char* button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        auto* picture = Find<PictureButton>(button);
        QTest::mousePress(picture, mouse);
        QTest::mouseRelease(picture, mouse);
    }

    std::string FileBytes() const
    {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
    }

    QTemporaryDir m_dir;
    QWidget m_main;
    Settings m_settings;
    OptionsDialog m_dialog{m_settings, {IniPath(), IniPath()}};
};

TEST_F(OptionsDialogTest, ControlsSitWhereTheDesignPutsThem)
{
    EXPECT_EQ(m_dialog.size(), QSize(173, 330));
    EXPECT_EQ(m_dialog.windowTitle(), "Brixel32 Options");
    EXPECT_TRUE(m_dialog.windowFlags() & Qt::FramelessWindowHint);
    const std::vector<std::pair<const char*, QRect>> layout = {
        {"levelRowCaption", {24, 64, 113, 17}},      {"levelBox", {128, 64, 25, 19}},
        {"fillLinesRowCaption", {24, 104, 113, 17}},     {"fillLinesBox", {128, 104, 14, 14}},
        {"soundRowCaption", {24, 136, 113, 17}},     {"soundBox", {128, 136, 14, 14}},
        {"hideIntroRowCaption", {24, 168, 113, 17}},     {"hideIntroBox", {128, 168, 14, 14}},
        {"okButton", {48, 200, 95, 23}},      {"cancelButton", {48, 240, 95, 23}},
        {"homepageLink", {24, 280, 137, 17}},
    };
    for (const auto& [name, rect] : layout) {
        EXPECT_EQ(Find<QWidget>(name)->geometry(), rect) << name;
    }
    EXPECT_EQ(Find<QLabel>("levelRowCaption")->text(), "Start  Level (0 - 9):");
    EXPECT_EQ(Find<QLabel>("hideIntroRowCaption")->text(), "Intro ausblenden");
    EXPECT_EQ(LevelBox()->text(), "0");
    const QLabel* link = Find<QLabel>("homepageLink");
    EXPECT_EQ(link->text(), FALLOX_HOMEPAGE_TEXT);
    EXPECT_TRUE(link->font().bold() && link->font().underline());
    EXPECT_EQ(link->font().pixelSize(), 13);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 255, 192));
}

TEST_F(OptionsDialogTest, TabVisitsLevelBoxAndCheckBoxesOnly)
{
    OpenActive();
    LevelBox()->setFocus(Qt::OtherFocusReason);
    for (const char* next : {"fillLinesBox", "soundBox", "hideIntroBox", "levelBox"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    for (const char* name : {"levelRowCaption", "fillLinesRowCaption", "soundRowCaption", "hideIntroRowCaption", "homepageLink", "okButton", "cancelButton"}) {
        EXPECT_EQ(Find<QWidget>(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(OptionsDialogTest, FirstOpeningSitsBesideTheMainWindowLaterOnesWhereLeft)
{
    m_dialog.Open(&m_main);
    EXPECT_EQ(m_dialog.frameGeometry().topLeft(), QPoint(435, 50));
    m_dialog.move(10, 20);
    Release("cancelButton");
    m_main.move(300, 300);
    m_dialog.Open(&m_main);
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.pos(), QPoint(10, 20));
}

// Options read back at start-up are in force before the dialog is first
// made; confirming it with only the sound box ticked must keep them.
TEST_F(OptionsDialogTest, LevelBoxStartsWithTheLevelReadBackAndOkKeepsIt)
{
    const std::vector<std::pair<std::optional<double>, QString>> cases = {
        {std::nullopt, "0"}, {0.0, "0"}, {7.0, "7"}, {4.5, "4.5"}, {9.0, "9"}};
    for (const auto& [level, shown] : cases) {
        Settings settings{level, true, false, std::nullopt};
        OptionsDialog dialog(settings, {IniPath(), IniPath()});
        dialog.Open(&m_main);
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("levelBox"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), shown.toStdString());
        dialog.findChild<QCheckBox*>(QStringLiteral("soundBox"))->setChecked(true);
        auto* ok = dialog.findChild<PictureButton*>(QStringLiteral("okButton"));
        QTest::mousePress(ok, Qt::LeftButton);
        QTest::mouseRelease(ok, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible()) << shown.toStdString();
        EXPECT_EQ(settings, (Settings{level.value_or(0.0), true, true, false})) << shown.toStdString();
        EXPECT_NE(FileBytes().find("Starting Level=" + shown.toStdString() + "\r\nFill Lines=True\r\n"),
                  std::string::npos)
            << FileBytes();
    }
}

TEST_F(OptionsDialogTest, CheckBoxesFollowTheSettingsAtEachOpeningLevelBoxKeepsItsText)
{
    const std::vector<Settings> cases = {{}, {3.0, true, false, true}, {std::nullopt, false, true, std::nullopt}};
    MessageWatcher watcher;
    for (const Settings& settings : cases) {
        m_settings = settings;
        m_dialog.Open(&m_main);
        EXPECT_EQ(Box("fillLinesBox")->isChecked(), settings.FillLines.value_or(false));
        EXPECT_EQ(Box("soundBox")->isChecked(), settings.PlaySounds.value_or(false));
        EXPECT_EQ(Box("hideIntroBox")->isChecked(), settings.HideSplash.value_or(false));
        for (const char* name : {"fillLinesBox", "soundBox", "hideIntroBox"}) {
            Box(name)->toggle();
        }
        LevelBox()->setText("12");  // no check: the box never loses the focus to a control
        Release("cancelButton");
        EXPECT_EQ(LevelBox()->text(), "12");
        EXPECT_EQ(m_settings, settings);
    }
    EXPECT_EQ(watcher.count, 0);
}

TEST_F(OptionsDialogTest, LevelCheckRefusesAndPutsTheSettingBack)
{
    const std::vector<std::pair<std::optional<double>, QString>> settings = {
        {std::nullopt, ""}, {3.0, "3"}, {4.5, "4.5"}};
    for (const auto& [level, putBack] : settings) {
        m_settings.StartingLevel = level;
        OpenActive();
        for (const QString text : {"a", "-", "", "10", "-1", "9.5", "9,5", "1e0"}) {
            MessageWatcher watcher;
            EnterLevelAndLeave(text);
            EXPECT_EQ(watcher.count, 1) << text.toStdString();
            EXPECT_EQ(watcher.text, "Du musst eine Start Level angeben 0 bis 9");
            EXPECT_EQ(watcher.title, "Brixel32");
            EXPECT_EQ(watcher.buttons, 1);
            EXPECT_EQ(LevelBox()->text(), putBack) << text.toStdString();
        }
    }
}

TEST_F(OptionsDialogTest, LevelCheckPassesZeroToNineSilently)
{
    OpenActive();
    for (const QString text : {"9", "0", " 4 ", "8.5", "-0"}) {
        MessageWatcher watcher;
        EnterLevelAndLeave(text);
        QTest::qWait(20);
        EXPECT_EQ(watcher.count, 0) << text.toStdString();
        EXPECT_EQ(LevelBox()->text(), text);
    }
}

TEST_F(OptionsDialogTest, OkStoresTheOptionsWritesTheFourKeysAndHides)
{
    OpenActive();
    EnterLevelAndLeave("7");
    Box("soundBox")->setChecked(true);
    Release("okButton");
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_settings, (Settings{7.0, false, true, false}));
    EXPECT_EQ(FileBytes(),
              "[Brixel32]\r\n"
              "Starting Level=7\r\n"
              "Fill Lines=False\r\n"
              "Play Sounds=True\r\n"
              "Hide Splash=False\r\n");
}

TEST_F(OptionsDialogTest, OkWithAnUncheckedBadLevelRefusesAndSavesNothing)
{
    m_settings = {2.0, true, false, false};
    OpenActive();
    LevelBox()->setFocus();
    LevelBox()->setText("12");
    MessageWatcher watcher;
    Release("okButton");
    EXPECT_EQ(watcher.count, 1);
    EXPECT_EQ(watcher.text, "Du musst eine Start Level angeben 0 bis 9");
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(LevelBox()->text(), "2");
    EXPECT_EQ(m_settings, (Settings{2.0, true, false, false}));
    EXPECT_EQ(FileBytes(), "<none>");
}

TEST_F(OptionsDialogTest, CancelLeavesSettingsAndFileAlone)
{
    const std::string before = "[Brixel32]\nStarting Level=3\n";
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(before.c_str());
    file.close();
    m_settings = {3.0, false, false, false};
    OpenActive();
    LevelBox()->setFocus();
    LevelBox()->setText("12");  // closing the dialog is no reason to check it
    Box("fillLinesBox")->setChecked(true);
    MessageWatcher watcher;
    Release("cancelButton", Qt::RightButton);
    QTest::qWait(20);
    EXPECT_EQ(watcher.count, 0);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(LevelBox()->text(), "12");
    EXPECT_EQ(m_settings, (Settings{3.0, false, false, false}));
    EXPECT_EQ(FileBytes(), before);
}

// A level is written and checked with a point in every locale, so a German
// desktop, whose numbers have a decimal comma, keeps 4.5 through an unchanged
// OK as well. ctest runs this in the German, American English and C locales.
TEST_F(OptionsDialogTest, ConfirmedLevelComesBackUnchangedInThePlayersLocale)
{
    QLocale::setDefault(QLocale::system());
    ASSERT_EQ(QLocale::system().name(), qEnvironmentVariable("FALLOX_TEST_LOCALE", QLocale::system().name()));
    // 0.0000001 is "1e-07" by the general decimal rule, which the level check refuses.
    for (const double level : {4.5, 0.25, 9.0, 0.0000001}) {
        m_settings = {level, false, false, false};
        OptionsDialog dialog(m_settings, {IniPath(), IniPath()});
        dialog.Open(&m_main);
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("levelBox"))->text().toStdString(), LevelText(level));
        MessageWatcher watcher;
        auto* ok = dialog.findChild<PictureButton*>(QStringLiteral("okButton"));
        QTest::mousePress(ok, Qt::LeftButton);
        QTest::mouseRelease(ok, Qt::LeftButton);
        EXPECT_EQ(watcher.count, 0) << level;
        EXPECT_EQ(m_settings.StartingLevel, level);
        EXPECT_NE(FileBytes().find("Starting Level=" + LevelText(level) + "\r\n"), std::string::npos) << FileBytes();
    }
    m_settings.StartingLevel = 3.0;
    m_dialog.Open(&m_main);
    LevelBox()->setText("4,5");
    MessageWatcher watcher;
    Release("okButton");
    EXPECT_EQ(watcher.count, 1);
    EXPECT_EQ(LevelBox()->text(), "3");
}

TEST_F(OptionsDialogTest, UnwritableFileIsReportedOnceAndTheNewOptionsHold)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Brixel32.ini"));
    m_dialog.Open(&m_main);
    MessageWatcher watcher;
    Release("okButton");
    QTest::qWait(20);
    EXPECT_EQ(watcher.count, 1);
    EXPECT_TRUE(watcher.text.startsWith("Die Optionen konnten nicht gespeichert werden:")) << watcher.text.toStdString();
    EXPECT_TRUE(watcher.text.contains(QDir::toNativeSeparators(IniPath()))) << watcher.text.toStdString();
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_settings, (Settings{0.0, false, false, false}));
}

// An older copy's file that may not be written: the first OK moves its options,
// with everything else in it, into the game's own file, and the second edits
// that file, leaving the old one as it was.
TEST_F(OptionsDialogTest, OptionsOfAFileThatIsOnlyReadMoveIntoTheGamesOwnFile)
{
    const QString old = m_dir.filePath(QStringLiteral("old.ini"));
    const std::string oldText = "[Andere]\r\nSchl\xfcssel=Wert\r\n\r\n[Brixel32]\r\nStarting Level=3\r\n";
    brixel::test::WriteBytes(old.toStdU16String(), oldText);
    m_settings.StartingLevel = 3.0;
    OptionsDialog dialog(m_settings, {old, IniPath()});
    for (const char* level : {"5", "6"}) {
        dialog.Open(&m_main);
        dialog.findChild<QLineEdit*>(QStringLiteral("levelBox"))->setText(QString::fromLatin1(level));
        auto* ok = dialog.findChild<PictureButton*>(QStringLiteral("okButton"));
        QTest::mousePress(ok, Qt::LeftButton);
        QTest::mouseRelease(ok, Qt::LeftButton);
        EXPECT_EQ(FileBytes(), "[Andere]\r\nSchl\xfcssel=Wert\r\n\r\n[Brixel32]\r\nStarting Level=" + std::string(level) +
                                   "\r\nFill Lines=False\r\nPlay Sounds=False\r\nHide Splash=False\r\n");
    }
    EXPECT_EQ(brixel::test::ReadBytes(old.toStdU16String()), oldText);
}

TEST_F(OptionsDialogTest, PictureButtonsShowReverseWhilePressedAndActOnReleaseOutside)
{
    const QImage reverse = SkinPicture("Reverse", 1).toImage();
    for (const auto& [name, released] : {std::pair{"okButton", "OK"}, std::pair{"cancelButton", "Abbrechen"}}) {
        m_dialog.Open(&m_main);
        auto* button = Find<PictureButton>(name);
        EXPECT_EQ(button->pixmap().toImage(), SkinPicture(released, 1).toImage()) << name;
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_EQ(button->pixmap().toImage(), reverse) << name;
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, -30));
        EXPECT_EQ(button->pixmap().toImage(), SkinPicture(released, 1).toImage()) << name;
        EXPECT_FALSE(m_dialog.isVisible()) << name;
    }
}

// Stands in for the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(OptionsDialogTest, LinkOpensTheHomePageOnALeftClickOnly)
{
    UrlCatcher browser;
    const QString scheme = QUrl(FALLOX_HOMEPAGE_URL).scheme();
    QDesktopServices::setUrlHandler(scheme, &browser, "Open");
    m_dialog.Open(&m_main);
    QTest::mouseClick(Find<QLabel>("homepageLink"), Qt::RightButton);
    QTest::mouseClick(Find<QLabel>("homepageLink"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(scheme);
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_EQ(browser.opened.front(), QUrl(FALLOX_HOMEPAGE_URL));
}

}  // namespace
}  // namespace brixel

#include "OptionsDialogTest.moc"

#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include "app/KeyboardFilter.h"
#include "app/Trace.h"
#include "app/WellView.h"
#include "media/CentredPosition.h"
#include "media/DesignFont.h"
#include "media/PictureButton.h"
#include "media/SkinPictures.h"

namespace {

constexpr int MenuButtons = 4;
constexpr int MenuTop = 32;       // first menu button's top edge; the others follow every 16 pixels
constexpr int MenuSpacing = 16;
constexpr int MenuButtonLeft = 208;
constexpr int MenuCaptionLeft = 232;

const QColor CaptionWhite(255, 255, 255);
const QColor NextCaptionCyan(0, 255, 255);
const QColor CounterCaptionCyan(128, 255, 255);
const QColor CounterYellow(255, 255, 192);

const char* const MenuCaptions[MenuButtons] = {"Neues spiel", "High-Score", "Option", "Pause"};
// Object names of the menu buttons and their captions, in the same order.
const char* const MenuButtonNames[MenuButtons] = {"newGameButton", "highScoresButton", "optionsButton", "pauseButton"};
const char* const MenuCaptionNames[MenuButtons] = {"newGameCaption", "highScoresCaption", "optionsCaption", "pauseCaption"};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : SkinnedWindow(QStringLiteral("Fallox"), ClientSize, parent),
      m_host(*this),
      m_game(m_host)
{
    CreateControls();
    UpdatePictures();
    new KeyboardFilter(this, [this](int keyCode) { onKeyPressed(keyCode); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (m_activation.FocusMoved(now)) {
            onActivated();
        }
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls()
{
    // The well's frame is part of the background; the well and the intro
    // picture over it both show their pictures inside that frame.
    m_well = new WellView(this);
    m_well->setObjectName(QStringLiteral("well"));
    m_well->setGeometry(16, 15, 164, 292);

    // The intro covers exactly the well's drawing area, so not a pixel of
    // an old game peeks out beside it.
    m_intro = new QLabel(this);
    m_intro->setObjectName(QStringLiteral("intro"));
    m_intro->setGeometry(16, 15, 164, 292);
    m_intro->setContentsMargins(WellView::Border, WellView::Border, WellView::Border, WellView::Border);
    m_intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The preview box's own frame is in the background too; the previews
    // are painted in its colour, so an empty box and a preview blend in.
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setGeometry(208, 128, 100, 68);
    m_preview->setContentsMargins(2, 2, 2, 2);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont caption = DesignFont(11, QFont::Normal);
    const QFont counter = DesignFont(13, QFont::Bold);
    CreateLabel("nextCaption", QStringLiteral("Nächster Stein:"), QRect(208, 112, 89, 17), caption, NextCaptionCyan);

    for (int i = 0; i < MenuButtons; ++i) {
        const auto button = static_cast<MenuButton>(i);
        const int top = MenuTop + MenuSpacing * i;
        m_menuButtons[i] = CreateButton(MenuButtonNames[i], QPoint(MenuButtonLeft, top));
        connect(m_menuButtons[i], &PictureButton::MouseDown, this, [this, button] { onMenuButtonPressed(button); });
        connect(m_menuButtons[i], &PictureButton::MouseUp, this, [this, button] { onMenuButtonReleased(button); });
        CreateLabel(MenuCaptionNames[i], QString::fromUtf8(MenuCaptions[i]),
                    QRect(MenuCaptionLeft, top, 89, 17), caption, CaptionWhite);
    }

    CreateLabel("scoreCaption", QStringLiteral("Punkte:"), QRect(192, 224, 109, 17), caption, CounterCaptionCyan);
    CreateLabel("linesCaption", QStringLiteral("Lines:"), QRect(200, 256, 109, 17), caption, CounterCaptionCyan);
    CreateLabel("levelCaption", QStringLiteral("Level:"), QRect(200, 280, 109, 17), caption, CounterCaptionCyan);
    m_scoreLabel = CreateLabel("scoreLabel", QStringLiteral("0"), QRect(240, 224, 76, 20), counter, CounterYellow);
    m_linesLabel = CreateLabel("linesLabel", QStringLiteral("0"), QRect(240, 248, 76, 20), counter, CounterYellow);
    m_levelLabel = CreateLabel("levelLabel", QStringLiteral("0"), QRect(240, 272, 76, 20), counter, CounterYellow);

    m_titleButtons[0] = CreateButton("minimiseButton", QPoint(272, 8));
    m_titleButtons[1] = CreateButton("closeButton", QPoint(304, 8));
    for (int i = 0; i < 2; ++i) {
        const auto button = static_cast<TitleButton>(i);
        connect(m_titleButtons[i], &PictureButton::MouseUp, this, [this, button] { onTitleButtonReleased(button); });
    }

    // Only the bare background starts a drag: a press and move on any
    // control stays with that control.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->setAttribute(Qt::WA_NoMousePropagation);
    }
}

QLabel* MainWindow::CreateLabel(const char* name, const QString& text, QRect place, const QFont& font, QColor colour)
{
    QLabel* label = AddLabel(text, place, font, colour);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

PictureButton* MainWindow::CreateButton(const char* name, QPoint place)
{
    auto* button = new PictureButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->move(place);
    return button;
}

void MainWindow::ShowCentred()
{
    move(CentredPosition(this));
    // showNormal() rather than show(): Qt in a browser opens a plain top-level
    // window full screen, and the skin has one size.
    showNormal();
    // Without a window manager nobody else hands the new window the focus,
    // and the keys must reach it from the start.
    activateWindow();
}

void MainWindow::showEvent(QShowEvent* event)
{
    SkinnedWindow::showEvent(event);
    m_activation.SetMainWindow(windowHandle());
    if (!m_shownBefore) {
        m_shownBefore = true;
        onActivated();  // becoming visible the first time is the first activation
    }
}

// The main window goes back to the centre of the screen each time it becomes
// the program's active window again: when it is first shown, and when the
// focus comes back to it from the options or the high scores, closed or
// clicked away from. Focus coming back from another program, or from a
// message or input box, leaves it where the player dragged it
// (ActivationTracker decides). A skinned window that closes hands the focus
// back to the main window it belongs to (WindowOwner), so the return happens
// at once also where no window manager would hand the focus on. Windows that
// the game opens while the main window is minimised belong to nobody
// (WindowOwner::ForWindowOpenedByTheGame): restoring the game is never left
// to them.
void MainWindow::onActivated()
{
    move(CentredPosition(this));
    m_game.RefreshWell();
    for (PictureButton* button : m_titleButtons) {
        button->ShowReleased();
    }
}

void MainWindow::LoadPictures(qreal ratio)
{
    SetBackground(DesignPicture(QStringLiteral("background"), ratio));
    m_intro->setPixmap(DesignPicture(QStringLiteral("intro"), ratio));
    const QPixmap buttonUp = DesignPicture(QStringLiteral("button_up"), ratio);
    const QPixmap buttonDown = DesignPicture(QStringLiteral("button_down"), ratio);
    for (PictureButton* button : m_menuButtons) {
        button->SetPictures(buttonUp, buttonDown);
    }
    Button(TitleButton::Minimise)->SetPictures(SkinPicture(QStringLiteral("klein"), ratio),
                                               SkinPicture(QStringLiteral("rklein"), ratio));
    Button(TitleButton::Close)->SetPictures(SkinPicture(QStringLiteral("exit"), ratio),
                                            SkinPicture(QStringLiteral("rexit"), ratio));
    // The previews are loaded as each piece is first shown: the first paint
    // shows none of them.
    m_previewPictures.fill(QPixmap());
    m_pictureRatio = ratio;
    if (m_previewType != 0) {
        ShowPreview(m_previewType);
    }
    m_backBuffer.SetScreenRatio(ratio);
    if (m_well->HasPicture()) {
        PresentWell();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    SkinnedWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        onWindowStateChanged();
    }
}

void MainWindow::onWindowStateChanged()
{
    // Minimising lets a game run on unseen; coming back holds it, so the
    // player is not surprised by a piece already halfway down.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        m_game.WindowRestored();
    }
}

void MainWindow::onKeyPressed(int keyCode)
{
    m_game.KeyPressed(keyCode);
}

void MainWindow::onMenuButtonPressed(MenuButton)
{
    m_intro->hide();
}

void MainWindow::onMenuButtonReleased(MenuButton button)
{
    switch (button) {
    case MenuButton::NewGame:
        RunNewGame();
        break;
    case MenuButton::HighScores:
        if (onHighScores) {
            onHighScores();
        }
        break;
    case MenuButton::Options:
        m_game.OptionsOpened();
        if (onOptions) {
            onOptions();
        }
        break;
    case MenuButton::Pause:
        // The button stays down for as long as its own press holds the game.
        if (m_game.TogglePause()) {
            Button(MenuButton::Pause)->ShowPressed();
        }
        break;
    }
}

void MainWindow::onTitleButtonReleased(TitleButton button)
{
    if (button == TitleButton::Minimise) {
        showMinimized();
        // A desktop may leave the window on the screen, though Qt may report
        // it minimised (weston through XWayland ignores the request): then the
        // game holds as though the window had been restored at once.
        QTimer::singleShot(MinimiseGrace, this, [this] {
            if (windowHandle() != nullptr && windowHandle()->isExposed()) {
                m_game.WindowRestored();
            }
        });
    } else {
        close();
    }
}

void MainWindow::RunNewGame()
{
    if (m_closed) {
        return;
    }
    ++m_gamesRunning;
    m_game.NewGame();
    --m_gamesRunning;
    // A close during the game waited for the last game loop to unwind.
    if (m_closed && m_gamesRunning == 0) {
        emit ProgramEnded();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closed) {
        return;
    }
    m_closed = true;
    // Every running game loop ends at its next check, without name entry.
    m_game.RequestExit();
    if (onCloseOtherWindows) {
        onCloseOtherWindows();
    }
    if (m_gamesRunning == 0) {
        emit ProgramEnded();
    }
}

void MainWindow::PresentWell()
{
    m_well->Present(m_backBuffer.ScreenImage());
    if (TraceEnabled()) {
        TraceLine("present", 0);
    }
}

void MainWindow::SetCounterText(brixel::Counter counter, const QString& text)
{
    switch (counter) {
    case brixel::Counter::Score:
        m_scoreLabel->setText(text);
        break;
    case brixel::Counter::Lines:
        m_linesLabel->setText(text);
        break;
    case brixel::Counter::Level:
        m_levelLabel->setText(text);
        break;
    }
}

void MainWindow::ShowPreview(int pieceType)
{
    if (pieceType < 1 || pieceType > static_cast<int>(m_previewPictures.size())) {
        return;  // no such piece; the game never shows one
    }
    m_previewType = pieceType;
    QPixmap& picture = m_previewPictures[static_cast<std::size_t>(pieceType - 1)];
    if (picture.isNull()) {
        picture = DesignPicture(QStringLiteral("next%1").arg(pieceType), m_pictureRatio);
    }
    m_preview->setPixmap(picture);
}

void MainWindow::SetIntroVisible(bool visible)
{
    m_intro->setVisible(visible);
}

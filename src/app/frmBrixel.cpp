#include "app/frmBrixel.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>

#include "app/KeyboardFilter.h"
#include "app/Trace.h"
#include "app/WellView.h"
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

}  // namespace

frmBrixel::frmBrixel(QWidget* parent)
    : SkinnedWindow(QStringLiteral("Fallox"), ClientSize, parent), m_host(*this), m_brixel(m_host)
{
    SetBackground(DesignPicture(QStringLiteral("background"), devicePixelRatioF()));

    CreateControls();
    new KeyboardFilter(this, [this](int keyCode) { Form_KeyDown(keyCode); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (m_activation.FocusMoved(now)) {
            Form_Activate();
        }
    });
}

frmBrixel::~frmBrixel() = default;

void frmBrixel::CreateControls()
{
    // The well's frame is part of the background; the well and the intro
    // picture over it both show their pictures inside that frame.
    m_picBoard2.SetScreenRatio(devicePixelRatioF());
    picBoard = new WellView(this);
    picBoard->setObjectName(QStringLiteral("picBoard"));
    picBoard->setGeometry(16, 15, 164, 292);

    // The intro covers exactly the well's drawing area, so not a pixel of
    // an old game peeks out beside it.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(16, 15, 164, 292);
    Picture1->setContentsMargins(WellView::Border, WellView::Border, WellView::Border, WellView::Border);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(DesignPicture(QStringLiteral("intro"), devicePixelRatioF()));

    // The preview box's own frame is in the background too; the previews
    // are painted in its colour, so an empty box and a preview blend in.
    picNext = new QLabel(this);
    picNext->setObjectName(QStringLiteral("picNext"));
    picNext->setGeometry(208, 128, 100, 68);
    picNext->setContentsMargins(2, 2, 2, 2);
    picNext->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont caption = DesignFont(11, QFont::Normal);
    const QFont counter = DesignFont(13, QFont::Bold);
    CreateLabel("Label1_0", QStringLiteral("Nächster Stein:"), QRect(208, 112, 89, 17), caption, NextCaptionCyan);

    const QPixmap buttonUp = DesignPicture(QStringLiteral("button_up"), devicePixelRatioF());      // Image1(0)
    const QPixmap buttonDown = DesignPicture(QStringLiteral("button_down"), devicePixelRatioF());  // Image1(1)
    for (int i = 0; i < MenuButtons; ++i) {
        const int top = MenuTop + MenuSpacing * i;
        Image2[i] = CreateButton(qPrintable(QStringLiteral("Image2_%1").arg(i)), QPoint(MenuButtonLeft, top), buttonUp,
                                 buttonDown);
        connect(Image2[i], &PictureButton::MouseDown, this, [this, i] { Image2_MouseDown(i); });
        connect(Image2[i], &PictureButton::MouseUp, this, [this, i] { Image2_MouseUp(i); });
        CreateLabel(qPrintable(QStringLiteral("Label1_%1").arg(i + 1)), QString::fromUtf8(MenuCaptions[i]),
                    QRect(MenuCaptionLeft, top, 89, 17), caption, CaptionWhite);
    }

    CreateLabel("Label2", QStringLiteral("Punkte:"), QRect(192, 224, 109, 17), caption, CounterCaptionCyan);
    CreateLabel("Label5", QStringLiteral("Lines:"), QRect(200, 256, 109, 17), caption, CounterCaptionCyan);
    CreateLabel("Label3", QStringLiteral("Level:"), QRect(200, 280, 109, 17), caption, CounterCaptionCyan);
    lblScore = CreateLabel("lblScore", QStringLiteral("0"), QRect(240, 224, 76, 20), counter, CounterYellow);
    lblLines = CreateLabel("lblLines", QStringLiteral("0"), QRect(240, 248, 76, 20), counter, CounterYellow);
    lblLevel = CreateLabel("lblLevel", QStringLiteral("0"), QRect(240, 272, 76, 20), counter, CounterYellow);

    Image3[0] = CreateButton("Image3_0", QPoint(272, 8), SkinPicture(QStringLiteral("klein"), devicePixelRatioF()),
                             SkinPicture(QStringLiteral("rklein"), devicePixelRatioF()));
    Image3[1] = CreateButton("Image3_1", QPoint(304, 8), SkinPicture(QStringLiteral("exit"), devicePixelRatioF()),
                             SkinPicture(QStringLiteral("rexit"), devicePixelRatioF()));
    for (int i = 0; i < 2; ++i) {
        connect(Image3[i], &PictureButton::MouseUp, this, [this, i] { Image3_MouseUp(i); });
    }

    // Only the bare background starts a drag: a press and move on any
    // control stays with that control.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->setAttribute(Qt::WA_NoMousePropagation);
    }
}

QLabel* frmBrixel::CreateLabel(const char* name, const QString& text, QRect place, const QFont& font, QColor colour)
{
    QLabel* label = AddLabel(text, place, font, colour);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

PictureButton* frmBrixel::CreateButton(const char* name, QPoint place, const QPixmap& released, const QPixmap& pressed)
{
    auto* button = new PictureButton(released, pressed, this);
    button->setObjectName(QString::fromLatin1(name));
    button->move(place);
    return button;
}

void frmBrixel::Form_Load()
{
    move(CentredPosition(this));
    show();
    // Without a window manager nobody else hands the new window the focus,
    // and the keys must reach it from the start.
    activateWindow();
}

void frmBrixel::showEvent(QShowEvent* event)
{
    SkinnedWindow::showEvent(event);
    m_activation.SetMainWindow(windowHandle());
    if (!m_shownBefore) {
        m_shownBefore = true;
        Form_Activate();  // becoming visible the first time is the first activation
    }
}

void frmBrixel::Form_Activate()
{
    move(CentredPosition(this));
    m_brixel.RefreshWell();
    LoadTitleButtonPictures();
}

bool frmBrixel::IsGameWindow(const QWindow* window)
{
    // The skinned windows are the game's own; dialogs and message boxes are not.
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [window](const QWidget* w) {
        return w->windowHandle() == window && qobject_cast<const SkinnedWindow*>(w) != nullptr;
    });
}

void frmBrixel::LoadTitleButtonPictures()
{
    const qreal ratio = devicePixelRatioF();
    Image3[0]->SetPictures(SkinPicture(QStringLiteral("klein"), ratio), SkinPicture(QStringLiteral("rklein"), ratio));
    Image3[1]->SetPictures(SkinPicture(QStringLiteral("exit"), ratio), SkinPicture(QStringLiteral("rexit"), ratio));
}

void frmBrixel::changeEvent(QEvent* event)
{
    SkinnedWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void frmBrixel::Form_Resize()
{
    // Minimising lets a game run on unseen; coming back holds it, so the
    // player is not surprised by a piece already halfway down.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        m_brixel.WindowRestored();
    }
}

void frmBrixel::Form_KeyDown(int keyCode)
{
    m_brixel.FormKeyDown(keyCode);
}

void frmBrixel::Image2_MouseDown(int)
{
    Picture1->hide();
}

void frmBrixel::Image2_MouseUp(int Index)
{
    switch (Index) {
    case 0:
        RunNewGame();
        break;
    case 1:
        if (onHighScores) {
            onHighScores();
        }
        break;
    case 2:
        m_brixel.OptionsOpened();
        if (onOptions) {
            onOptions();
        }
        break;
    case 3:
        // The button stays down for as long as its own press holds the game.
        if (m_brixel.TogglePause()) {
            Image2[3]->ShowPressed();
        }
        break;
    default:
        break;
    }
}

void frmBrixel::Image3_MouseUp(int Index)
{
    if (Index == 0) {
        showMinimized();
    } else {
        close();
    }
}

void frmBrixel::RunNewGame()
{
    if (m_closed) {
        return;
    }
    ++m_gamesRunning;
    m_brixel.NewGame();
    --m_gamesRunning;
    // A close during the game waited for the last game loop to unwind.
    if (m_closed && m_gamesRunning == 0) {
        emit ProgramEnded();
    }
}

void frmBrixel::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closed) {
        return;
    }
    m_closed = true;
    // Every running game loop ends at its next check, without name entry.
    m_brixel.RequestExit();
    if (onCloseOtherWindows) {
        onCloseOtherWindows();
    }
    if (m_gamesRunning == 0) {
        emit ProgramEnded();
    }
}

void frmBrixel::PresentWell()
{
    picBoard->Present(m_picBoard2.ScreenImage());
    if (TraceEnabled()) {
        TraceLine("present", 0);
    }
}

void frmBrixel::SetCounterText(brixel::Counter counter, const QString& text)
{
    switch (counter) {
    case brixel::Counter::Score:
        lblScore->setText(text);
        break;
    case brixel::Counter::Lines:
        lblLines->setText(text);
        break;
    case brixel::Counter::Level:
        lblLevel->setText(text);
        break;
    }
}

void frmBrixel::ShowPreview(int pieceType)
{
    picNext->setPixmap(DesignPicture(QStringLiteral("next%1").arg(pieceType), devicePixelRatioF()));
}

void frmBrixel::SetIntroVisible(bool visible)
{
    Picture1->setVisible(visible);
}

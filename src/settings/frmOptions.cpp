#include "settings/frmOptions.h"

#include <optional>
#include <string>

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleFactory>

#include "media/PictureButton.h"
#include "media/SkinPictures.h"
#include "settings/LevelText.h"
#include "settings/SettingsStore.h"

namespace {

constexpr char HomepageUrl[] = FALLOX_HOMEPAGE_URL;
constexpr char HomepageText[] = FALLOX_HOMEPAGE_TEXT;

constexpr int LabelLeft = 24;
constexpr int BoxLeft = 128;
constexpr int CheckBoxSide = 14;
constexpr int ButtonLeft = 48;
constexpr QSize RowLabelSize{113, 17};
constexpr QSize LinkSize{137, 17};
constexpr QRect LevelBoxRect{128, 64, 25, 19};
constexpr QColor LinkColour{255, 255, 192};

// The old dialog's fonts, 8.25 and 9.75 point, by their pixel size.
constexpr int StandardPixels = 11;
constexpr int LinkPixels = 13;

struct LocaleSeparators {
    std::string decimalPoint;
    std::string groupSeparator;
};

LocaleSeparators PlayersSeparators()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace

frmOptions::frmOptions(brixel::Settings& settings, const QString& iniPath, QWidget* parent)
    : SkinnedWindow(QStringLiteral("Brixel32 Options"), InnerSize, parent),
      m_settings(settings),
      m_iniPath(iniPath.toStdU16String())
{
    SetBackground(DesignPicture(QStringLiteral("options_background"), devicePixelRatioF()));
    CreateControls();
}

void frmOptions::CreateControls()
{
    // The box starts with the level in force, so that confirming the dialog
    // after a restart keeps the level read back from the file; "0" while
    // none was ever set. It is written as the level label shows a number.
    const std::optional<double> level = m_settings.StartingLevel;
    txtStartingLevel = new QLineEdit(level ? QString::fromStdString(brixel::LevelToText(level)) : QStringLiteral("0"),
                                     this);
    txtStartingLevel->setObjectName(QStringLiteral("txtStartingLevel"));
    txtStartingLevel->setGeometry(LevelBoxRect);
    txtStartingLevel->setFont(DesignFont(StandardPixels));
    txtStartingLevel->setTextMargins(0, 0, 0, 0);
    txtStartingLevel->installEventFilter(this);

    CreateRowLabel(0, QStringLiteral("Start  Level (0 - 9):"), 64);
    CreateRowLabel(1, QStringLiteral("Steine beim Start:"), 104);
    chkFillLines = CreateCheckBox(QStringLiteral("chkFillLines"), 104);
    CreateRowLabel(2, QStringLiteral("Sound:"), 136);
    chkPlaySounds = CreateCheckBox(QStringLiteral("chkPlaySounds"), 136);
    CreateRowLabel(3, QStringLiteral("Intro ausblenden"), 168);
    chkSkipIntro = CreateCheckBox(QStringLiteral("chkSkipIntro"), 168);

    const qreal ratio = devicePixelRatioF();
    const QPixmap pressed = SkinPicture(QStringLiteral("Reverse"), ratio);
    Image1[0] = new PictureButton(SkinPicture(QStringLiteral("OK"), ratio), pressed, this);
    Image1[1] = new PictureButton(SkinPicture(QStringLiteral("Abbrechen"), ratio), pressed, this);
    for (int index = 0; index < 2; ++index) {
        Image1[index]->setObjectName(QStringLiteral("Image1(%1)").arg(index));
        Image1[index]->move(ButtonLeft, 200 + 40 * index);
        connect(Image1[index], &PictureButton::MouseUp, this, [this, index] { Image1_MouseUp(index); });
    }

    QFont linkFont = DesignFont(LinkPixels, QFont::Bold);
    linkFont.setUnderline(true);
    Label2 = AddLabel(QString::fromUtf8(HomepageText), QRect(QPoint(LabelLeft, 280), LinkSize), linkFont, LinkColour);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);

    // Only the level box and the three check boxes take the focus, in this order.
    setTabOrder(txtStartingLevel, chkFillLines);
    setTabOrder(chkFillLines, chkPlaySounds);
    setTabOrder(chkPlaySounds, chkSkipIntro);
}

QLabel* frmOptions::CreateRowLabel(int index, const QString& text, int top)
{
    QLabel* label = AddLabel(text, QRect(QPoint(LabelLeft, top), RowLabelSize), DesignFont(StandardPixels), Qt::white);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
    Label1[index] = label;
    return label;
}

QCheckBox* frmOptions::CreateCheckBox(const QString& name, int top)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(BoxLeft, top, CheckBoxSide, CheckBoxSide);
    // A white box with a black tick, as the player knows check boxes, stands
    // out on the dark picture whatever style the desktop uses. Fusion is the
    // one style that paints its indicator from the palette.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        fusion->setParent(box);
        box->setStyle(fusion);
    }
    QPalette light = box->palette();
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Window, QColor(192, 192, 192));
    box->setPalette(light);
    return box;
}

void frmOptions::Open(QWidget* mainWindow)
{
    if (!m_placed && mainWindow != nullptr) {
        const QRect main = mainWindow->frameGeometry();
        move(main.x() + main.width(), main.y());
        m_placed = true;
    }
    chkFillLines->setChecked(m_settings.FillLines.value_or(false));
    chkPlaySounds->setChecked(m_settings.PlaySounds.value_or(false));
    chkSkipIntro->setChecked(m_settings.HideSplash.value_or(false));
    show();
    raise();
    activateWindow();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtStartingLevel) {
        if (event->type() == QEvent::FocusOut) {
            // Only a move to another control counts: switching to another
            // window or opening a context menu leaves the player's text alone.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                txtStartingLevel_LostFocus();
            }
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Label2 && mouse->button() == Qt::LeftButton &&
            Label2->rect().contains(mouse->position().toPoint())) {
            Label2_Click();
        }
        return true;
    }
    default:
        return false;
    }
}

void frmOptions::txtStartingLevel_LostFocus()
{
    if (m_checkingLevel || m_hiding) {
        return;
    }
    if (!LevelTextPasses()) {
        RefuseLevel();
    }
}

bool frmOptions::LevelTextPasses() const
{
    const LocaleSeparators separators = PlayersSeparators();
    return brixel::CheckLevelText(txtStartingLevel->text().toStdString(), separators.decimalPoint,
                                  separators.groupSeparator)
        .has_value();
}

void frmOptions::RefuseLevel()
{
    // The message box takes the focus from the level box itself; that must
    // not start a second check while this one waits for the player.
    m_checkingLevel = true;
    QMessageBox message(QMessageBox::NoIcon, QString::fromUtf8(brixel::LevelRefusedTitle),
                        QString::fromUtf8(brixel::LevelRefusedText), QMessageBox::Ok, this);
    message.exec();
    // Not every window manager hands the activation back when the message
    // closes; the player goes on typing here.
    activateWindow();
    txtStartingLevel->setText(
        QString::fromStdString(brixel::LevelToText(m_settings.StartingLevel, PlayersSeparators().decimalPoint)));
    m_checkingLevel = false;
}

void frmOptions::Image1_MouseUp(int Index)
{
    if (Index == 0) {
        ConfirmOptions();
        return;
    }
    HideDialog();
    emit Cancelled();
}

void frmOptions::ConfirmOptions()
{
    if (m_checkingLevel) {
        return;
    }
    // The buttons never take the focus, so with the cursor still in the level
    // box its check has not run yet; without a second look here a level
    // outside 0..9 could reach the game. The level itself is read with a
    // point as the only decimal separator: where the comma is the decimal
    // separator "4,5" passes the check and starts at level 4.
    const double level = brixel::ParseLeadingNumber(txtStartingLevel->text().toStdString());
    if (!LevelTextPasses() || level < brixel::LowestStartingLevel || level > brixel::HighestStartingLevel) {
        RefuseLevel();
        return;
    }
    m_settings.StartingLevel = level;
    m_settings.FillLines = chkFillLines->isChecked();
    m_settings.PlaySounds = chkPlaySounds->isChecked();
    m_settings.HideSplash = chkSkipIntro->isChecked();
    // A file that cannot be written is not the player's problem: the new
    // options still hold for this run.
    brixel::SaveSettings(m_settings, m_iniPath);
    HideDialog();
    emit Confirmed();
}

void frmOptions::HideDialog()
{
    m_hiding = true;
    hide();
    m_hiding = false;
}

void frmOptions::Label2_Click()
{
    OpenWebPage(QString::fromUtf8(HomepageUrl));
}

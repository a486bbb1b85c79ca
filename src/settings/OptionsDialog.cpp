#include "settings/OptionsDialog.h"

#include <optional>
#include <string>

#include <QCheckBox>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleFactory>

#include "core/NumberText.h"
#include "media/DesignFont.h"
#include "media/PictureButton.h"
#include "media/SkinPictures.h"
#include "media/WebPage.h"
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

// The dialog's answer to a level it cannot take.
const QString LevelRefusedTitle = QStringLiteral("Brixel32");
const QString LevelRefusedText = QStringLiteral("Du musst eine Start Level angeben 0 bis 9");

}  // namespace

OptionsDialog::OptionsDialog(brixel::Settings& settings, const SettingsLocation& file, QWidget* parent)
    : SkinnedWindow(QStringLiteral("Brixel32 Options"), InnerSize, parent), m_settings(settings), m_file(file)
{
    CreateControls();
    UpdatePictures();
}

void OptionsDialog::LoadPictures(qreal ratio)
{
    SetBackground(DesignPicture(QStringLiteral("options_background"), ratio));
    const QPixmap pressed = SkinPicture(QStringLiteral("Reverse"), ratio);
    m_buttons[0]->SetPictures(SkinPicture(QStringLiteral("OK"), ratio), pressed);
    m_buttons[1]->SetPictures(SkinPicture(QStringLiteral("Abbrechen"), ratio), pressed);
}

void OptionsDialog::CreateControls()
{
    // The box starts with the level in force, so that confirming the dialog
    // after a restart keeps the level read back from the file; "0" while
    // none was ever set. The box writes and checks a level by the game's one
    // rule for level texts, with a point whatever the player's locale, so
    // confirming it unchanged keeps the level exactly.
    const std::optional<double> level = m_settings.StartingLevel;
    m_levelBox = new QLineEdit(level ? QString::fromStdString(brixel::LevelText(level)) : QStringLiteral("0"), this);
    m_levelBox->setObjectName(QStringLiteral("levelBox"));
    m_levelBox->setGeometry(LevelBoxRect);
    m_levelBox->setFont(DesignFont(StandardPixels));
    m_levelBox->setTextMargins(0, 0, 0, 0);
    m_levelBox->installEventFilter(this);

    CreateRowLabel(0, "levelRowCaption", QStringLiteral("Start  Level (0 - 9):"), 64);
    CreateRowLabel(1, "fillLinesRowCaption", QStringLiteral("Steine beim Start:"), 104);
    m_fillLinesBox = CreateCheckBox(QStringLiteral("fillLinesBox"), 104);
    CreateRowLabel(2, "soundRowCaption", QStringLiteral("Sound:"), 136);
    m_soundBox = CreateCheckBox(QStringLiteral("soundBox"), 136);
    CreateRowLabel(3, "hideIntroRowCaption", QStringLiteral("Intro ausblenden"), 168);
    m_hideIntroBox = CreateCheckBox(QStringLiteral("hideIntroBox"), 168);

    for (int index = 0; index < 2; ++index) {
        const auto button = static_cast<DialogButton>(index);
        m_buttons[index] = new PictureButton(this);
        m_buttons[index]->setObjectName(index == 0 ? QStringLiteral("okButton") : QStringLiteral("cancelButton"));
        m_buttons[index]->move(ButtonLeft, 200 + 40 * index);
        connect(m_buttons[index], &PictureButton::MouseUp, this, [this, button] { onButtonReleased(button); });
    }

    QFont linkFont = DesignFont(LinkPixels, QFont::Bold);
    linkFont.setUnderline(true);
    m_link = AddLabel(QString::fromUtf8(HomepageText), QRect(QPoint(LabelLeft, 280), LinkSize), linkFont, LinkColour);
    m_link->setObjectName(QStringLiteral("homepageLink"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);

    // Only the level box and the three check boxes take the focus, in this order.
    setTabOrder(m_levelBox, m_fillLinesBox);
    setTabOrder(m_fillLinesBox, m_soundBox);
    setTabOrder(m_soundBox, m_hideIntroBox);
}

QLabel* OptionsDialog::CreateRowLabel(int index, const char* name, const QString& text, int top)
{
    QLabel* label = AddLabel(text, QRect(QPoint(LabelLeft, top), RowLabelSize), DesignFont(StandardPixels), Qt::white);
    label->setObjectName(QString::fromLatin1(name));
    m_rowLabels[index] = label;
    return label;
}

QCheckBox* OptionsDialog::CreateCheckBox(const QString& name, int top)
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

void OptionsDialog::Open(QWidget* mainWindow)
{
    if (!m_placed && mainWindow != nullptr) {
        const QRect main = mainWindow->frameGeometry();
        move(main.x() + main.width(), main.y());
        m_placed = true;
    }
    m_fillLinesBox->setChecked(m_settings.FillLines.value_or(false));
    m_soundBox->setChecked(m_settings.PlaySounds.value_or(false));
    m_hideIntroBox->setChecked(m_settings.HideSplash.value_or(false));
    showNormal();  // at its own size also in a browser, which would fill the page with it
    raise();
    activateWindow();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_levelBox) {
        if (event->type() == QEvent::FocusOut) {
            // Only a move to another control counts: switching to another
            // window or opening a context menu leaves the player's text alone.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                onLevelBoxLostFocus();
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
        if (watched == m_link && mouse->button() == Qt::LeftButton &&
            m_link->rect().contains(mouse->position().toPoint())) {
            onLinkClicked();
        }
        return true;
    }
    default:
        return false;
    }
}

void OptionsDialog::onLevelBoxLostFocus()
{
    if (m_checkingLevel || m_hiding) {
        return;
    }
    if (!CheckedLevel()) {
        RefuseLevel();
    }
}

std::optional<double> OptionsDialog::CheckedLevel() const
{
    return brixel::CheckLevelText(m_levelBox->text().toStdString());
}

void OptionsDialog::RefuseLevel()
{
    // The message box takes the focus from the level box itself; that must
    // not start a second check while this one waits for the player.
    m_checkingLevel = true;
    QMessageBox message(QMessageBox::NoIcon, LevelRefusedTitle, LevelRefusedText, QMessageBox::Ok, this);
    message.exec();
    // Not every window manager hands the activation back when the message
    // closes; the player goes on typing here.
    activateWindow();
    m_levelBox->setText(QString::fromStdString(brixel::LevelText(m_settings.StartingLevel)));
    m_checkingLevel = false;
}

void OptionsDialog::onButtonReleased(DialogButton button)
{
    if (button == DialogButton::Ok) {
        ConfirmOptions();
        return;
    }
    HideDialog();
}

void OptionsDialog::ConfirmOptions()
{
    if (m_checkingLevel) {
        return;
    }
    // The buttons never take the focus, so with the cursor still in the level
    // box its check has not run yet; without a second look here a level
    // outside 0..9 could reach the game.
    const std::optional<double> level = CheckedLevel();
    if (!level) {
        RefuseLevel();
        return;
    }
    m_settings.StartingLevel = level;
    m_settings.FillLines = m_fillLinesBox->isChecked();
    m_settings.PlaySounds = m_soundBox->isChecked();
    m_settings.HideSplash = m_hideIntroBox->isChecked();
    HideDialog();
    SaveOrWarn();
    emit Confirmed();
}

void OptionsDialog::SaveOrWarn()
{
    if (brixel::SaveSettings(m_settings, m_file.saveTo.toStdU16String(), m_file.readFrom.toStdU16String())) {
        // Once the options have moved into the game's own file, that file is
        // the one to read and edit.
        m_file.readFrom = m_file.saveTo;
        return;
    }
    // The game chose the file and reads it back at the next start: a save that
    // did not happen would quietly bring the old options back then.
    QMessageBox::warning(parentWidget(), QStringLiteral("Fallox"),
                         QStringLiteral("Die Optionen konnten nicht gespeichert werden:\n%1\n\n"
                                        "Sie gelten, bis Fallox beendet wird.")
                             .arg(QDir::toNativeSeparators(m_file.saveTo)));
}

void OptionsDialog::HideDialog()
{
    m_hiding = true;
    hide();
    m_hiding = false;
}

void OptionsDialog::onLinkClicked()
{
    OpenWebPage(QString::fromUtf8(HomepageUrl));
}

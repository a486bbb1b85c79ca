#include "highscores/HighScoreWindow.h"

#include <QEventLoop>
#include <QFont>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>

#include "core/NumberText.h"
#include "highscores/NameCodePage.h"
#include "media/CentredPosition.h"
#include "media/DesignFont.h"
#include "media/PictureButton.h"
#include "media/SkinPictures.h"

namespace {

constexpr QSize WindowSize(334, 217);  // the "FM" picture is two rows taller; they stay outside
constexpr QPoint TitlePos(104, 8);     // the "High Score" lettering
constexpr QPoint IconPos(24, 80);
constexpr QPoint ButtonPos(120, 168);

constexpr int FirstRowTop = 48;  // pixels from the top to row 1
constexpr int RowPitch = 24;     // pixels from one row to the next
constexpr int RowHeight = 17;
constexpr int RankLeft = 80;
constexpr int RankWidth = 17;
constexpr int NameLeft = 104;
constexpr int NameWidth = 137;
constexpr int ScoreLeft = 248;
constexpr int ScoreWidth = 65;

constexpr QColor RowColour(255, 255, 0);
constexpr int RowFontPixels = 16;  // 12 points bold

int RowTop(int row)  // row 0..4 from the top
{
    return FirstRowTop + RowPitch * row;
}

}  // namespace

HighScoreWindow::HighScoreWindow(QWidget* parent)
    : SkinnedWindow(QStringLiteral("High Scores"), WindowSize, parent)
{
    // While the window is up the rest of the program takes no input, so the
    // game underneath holds until the player closes it.
    setWindowModality(Qt::ApplicationModal);

    m_lettering = AddPicture(TitlePos);
    m_icon = AddPicture(IconPos);

    for (int row = 0; row < brixel::HighScoreCount; ++row) {
        const int top = RowTop(row);
        m_rankLabels[row] = AddText({RankLeft, top, RankWidth, RowHeight}, Qt::AlignLeft);
        m_rankLabels[row]->setText(QStringLiteral("%1.").arg(row + 1));
        m_nameLabels[row] = AddText({NameLeft, top, NameWidth, RowHeight}, Qt::AlignLeft);
        m_scoreLabels[row] = AddText({ScoreLeft, top, ScoreWidth, RowHeight}, Qt::AlignRight);
    }

    m_okButton = new PictureButton(this);
    m_okButton->move(ButtonPos);
    connect(m_okButton, &PictureButton::MouseUp, this, &HighScoreWindow::onOkReleased);

    UpdatePictures();
    move(CentredPosition(this));
}

void HighScoreWindow::LoadPictures(qreal ratio)
{
    const QPixmap icon = DesignPicture(QStringLiteral("icon"), ratio);
    setWindowIcon(QIcon(icon));
    SetPicture(m_icon, icon);
    SetPicture(m_lettering, DesignPicture(QStringLiteral("highscore_title"), ratio));
    m_okButton->SetPictures(SkinPicture(QStringLiteral("OK"), ratio), SkinPicture(QStringLiteral("Reverse"), ratio));
    SetBackground(SkinPicture(QStringLiteral("FM"), ratio));
}

void HighScoreWindow::onOkReleased()
{
    hide();
}

QLabel* HighScoreWindow::AddPicture(QPoint topLeft)
{
    auto* label = new QLabel(this);
    label->move(topLeft);
    // A drag starts from the bare surface only, not from the pictures on it.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

void HighScoreWindow::SetPicture(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(picture);
    label->resize(PictureSize(picture));
}

QLabel* HighScoreWindow::AddText(const QRect& box, Qt::Alignment alignment)
{
    return AddLabel(QString(), box, DesignFont(RowFontPixels, QFont::Bold), RowColour, alignment);
}

QLabel* HighScoreWindow::RankLabel(int k) const
{
    return m_rankLabels.at(static_cast<std::size_t>(k));
}

QLabel* HighScoreWindow::NameLabel(int i) const
{
    return m_nameLabels.at(static_cast<std::size_t>(i - 1));
}

QLabel* HighScoreWindow::ScoreLabel(int i) const
{
    return m_scoreLabels.at(static_cast<std::size_t>(i - 1));
}

void HighScoreWindow::FillRows(const brixel::HighScoreTable& table)
{
    for (int place = 1; place <= brixel::HighScoreCount; ++place) {
        const std::string& name = table.HighNames(place);
        NameLabel(place)->setText(NameFromBytes(name));
        ScoreLabel(place)->setText(QString::fromStdString(brixel::DecimalText(table.HighScores(place))));
    }
}

void HighScoreWindow::ShowHighScores(const brixel::HighScoreTable& table)
{
    FillRows(table);
    showNormal();  // at its own size also in a browser, which would fill the page with it
    raise();
    activateWindow();
    // Each caller waits in its own loop, so a second showing from inside the
    // first one also returns when the window goes.
    QEventLoop loop;
    connect(this, &HighScoreWindow::Hidden, &loop, &QEventLoop::quit);
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
}

void HighScoreWindow::hideEvent(QHideEvent* event)
{
    SkinnedWindow::hideEvent(event);
    // A spontaneous hide is the platform minimising the window; it is still open.
    if (!event->spontaneous()) {
        emit Hidden();
    }
}

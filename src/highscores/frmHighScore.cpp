#include "highscores/frmHighScore.h"

#include <QEventLoop>
#include <QFont>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>

#include "media/PictureButton.h"
#include "media/SkinPictures.h"

namespace {

constexpr QSize WindowSize(334, 217);  // the "FM" picture is two rows taller; they stay outside
constexpr QPoint TitlePos(104, 8);     // Image3, the "High Score" lettering
constexpr QPoint IconPos(24, 80);      // Image1
constexpr QPoint ButtonPos(120, 168);  // Image2

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

frmHighScore::frmHighScore(QWidget* parent)
    : SkinnedWindow(QStringLiteral("High Scores"), WindowSize, parent)
{
    // While the window is up the rest of the program takes no input, so the
    // game underneath holds until the player closes it.
    setWindowModality(Qt::ApplicationModal);

    const QPixmap icon = DesignPicture(QStringLiteral("icon"), devicePixelRatioF());
    setWindowIcon(QIcon(icon));
    m_image3 = AddPicture(DesignPicture(QStringLiteral("highscore_title"), devicePixelRatioF()), TitlePos);
    m_image1 = AddPicture(icon, IconPos);

    for (int row = 0; row < brixel::HighScoreCount; ++row) {
        const int top = RowTop(row);
        m_label1[row] = AddText({RankLeft, top, RankWidth, RowHeight}, Qt::AlignLeft);
        m_label1[row]->setText(QStringLiteral("%1.").arg(row + 1));
        m_lblName[row] = AddText({NameLeft, top, NameWidth, RowHeight}, Qt::AlignLeft);
        m_lblScore[row] = AddText({ScoreLeft, top, ScoreWidth, RowHeight}, Qt::AlignRight);
    }

    m_image2 = new PictureButton(QPixmap(), QPixmap(), this);
    m_image2->move(ButtonPos);
    connect(m_image2, &PictureButton::MouseUp, this, &frmHighScore::Image2_MouseUp);

    Form_Load();
}

void frmHighScore::Form_Load()
{
    const qreal ratio = devicePixelRatioF();
    m_image2->SetPictures(SkinPicture(QStringLiteral("OK"), ratio), SkinPicture(QStringLiteral("Reverse"), ratio));
    SetBackground(SkinPicture(QStringLiteral("FM"), ratio));
    move(CentredPosition(this));
}

void frmHighScore::Image2_MouseUp()
{
    hide();
}

QLabel* frmHighScore::AddPicture(const QPixmap& picture, QPoint topLeft)
{
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->setGeometry(QRect(topLeft, PictureSize(picture)));
    // A drag starts from the bare surface only, not from the pictures on it.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* frmHighScore::AddText(const QRect& box, Qt::Alignment alignment)
{
    return AddLabel(QString(), box, DesignFont(RowFontPixels, QFont::Bold), RowColour, alignment);
}

QLabel* frmHighScore::Label1(int k) const
{
    return m_label1.at(static_cast<std::size_t>(k));
}

QLabel* frmHighScore::lblName(int i) const
{
    return m_lblName.at(static_cast<std::size_t>(i - 1));
}

QLabel* frmHighScore::lblScore(int i) const
{
    return m_lblScore.at(static_cast<std::size_t>(i - 1));
}

void frmHighScore::FillRows(const brixel::HighScoreTable& table)
{
    for (int place = 1; place <= brixel::HighScoreCount; ++place) {
        const std::string& name = table.HighNames(place);
        lblName(place)->setText(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        lblScore(place)->setText(QString::fromStdString(brixel::ScoreText(table.HighScores(place))));
    }
}

void frmHighScore::ShowHighScores(const brixel::HighScoreTable& table)
{
    FillRows(table);
    show();
    raise();
    activateWindow();
    // Each caller waits in its own loop, so a second showing from inside the
    // first one also returns when the window goes.
    QEventLoop loop;
    connect(this, &frmHighScore::Hidden, &loop, &QEventLoop::quit);
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
}

void frmHighScore::hideEvent(QHideEvent* event)
{
    SkinnedWindow::hideEvent(event);
    // A spontaneous hide is the platform minimising the window; it is still open.
    if (!event->spontaneous()) {
        emit Hidden();
    }
}

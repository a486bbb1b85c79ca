#pragma once

#include <array>

#include "highscores/HighScoreTable.h"
#include "media/SkinnedWindow.h"

class QLabel;
class PictureButton;

// The high-score window: five ranked rows of name and score over the skin
// picture, with one picture button that closes it. It is made once, hidden,
// and afterwards only shown and hidden, so it keeps its place between showings.
class frmHighScore : public SkinnedWindow {
    Q_OBJECT
public:
    explicit frmHighScore(QWidget* parent = nullptr);

    // Writes the table into the rows and shows the window modally; returns
    // when the window has been hidden again. Shows what it is given and reads
    // no file.
    void ShowHighScores(const brixel::HighScoreTable& table);

    QLabel* Label1(int k) const;    // rank text of row k = 0..4
    QLabel* lblName(int i) const;   // name of place i = 1..5
    QLabel* lblScore(int i) const;  // score of place i = 1..5
    QLabel* Image1() const { return m_image1; }
    PictureButton* Image2() const { return m_image2; }
    QLabel* Image3() const { return m_image3; }

signals:
    // The window has been hidden by the game (not minimised by the platform).
    void Hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // Centres the window on the screen and puts the skin pictures in place.
    void Form_Load();
    void Image2_MouseUp();

    QLabel* AddPicture(const QPixmap& picture, QPoint topLeft);
    QLabel* AddText(const QRect& box, Qt::Alignment alignment);
    void FillRows(const brixel::HighScoreTable& table);

    QLabel* m_image1 = nullptr;
    PictureButton* m_image2 = nullptr;
    QLabel* m_image3 = nullptr;
    std::array<QLabel*, brixel::HighScoreCount> m_label1{};
    std::array<QLabel*, brixel::HighScoreCount> m_lblName{};
    std::array<QLabel*, brixel::HighScoreCount> m_lblScore{};
};

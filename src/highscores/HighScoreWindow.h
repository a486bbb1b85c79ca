#pragma once

#include <array>

#include "highscores/HighScoreTable.h"
#include "media/SkinnedWindow.h"

class QLabel;
class PictureButton;

// The high-score window: five ranked rows of name and score over the skin
// picture, with one picture button that closes it. It is made once, hidden,
// and afterwards only shown and hidden, so it keeps its place between showings.
class HighScoreWindow : public SkinnedWindow {
    Q_OBJECT
public:
    explicit HighScoreWindow(QWidget* parent = nullptr);

    // Writes the table into the rows and shows the window modally; returns
    // when the window has been hidden again. Shows what it is given and reads
    // no file.
    void ShowHighScores(const brixel::HighScoreTable& table);

    QLabel* RankLabel(int k) const;   // rank text of row k = 0..4
    QLabel* NameLabel(int i) const;   // name of place i = 1..5
    QLabel* ScoreLabel(int i) const;  // score of place i = 1..5
    QLabel* Icon() const { return m_icon; }
    PictureButton* OkButton() const { return m_okButton; }
    QLabel* Lettering() const { return m_lettering; }  // the "High Scores" picture at the top

signals:
    // The window has been hidden by the game (not minimised by the platform).
    void Hidden();

protected:
    void LoadPictures(qreal ratio) override;
    void hideEvent(QHideEvent* event) override;

private:
    void onOkReleased();

    QLabel* AddPicture(QPoint topLeft);  // an empty picture label; LoadPictures fills it
    static void SetPicture(QLabel* label, const QPixmap& picture);
    QLabel* AddText(const QRect& box, Qt::Alignment alignment);
    void FillRows(const brixel::HighScoreTable& table);

    QLabel* m_icon = nullptr;
    PictureButton* m_okButton = nullptr;
    QLabel* m_lettering = nullptr;
    std::array<QLabel*, brixel::HighScoreCount> m_rankLabels{};
    std::array<QLabel*, brixel::HighScoreCount> m_nameLabels{};
    std::array<QLabel*, brixel::HighScoreCount> m_scoreLabels{};
};

#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>

class QLabel;

// A borderless window of fixed size whose surface is a picture. Dragging the
// bare surface with the left button alone moves it. Where the picture is
// smaller than the window, the rest is black like the pictures' rims.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    SkinnedWindow(const QString& title, QSize size, QWidget* parent = nullptr);

    void SetBackground(const QPixmap& picture);

    // Moves a window with the mouse until the button is released; returns when
    // the move is over. Uses the platform's own move where it has one.
    static void DragForm(QWidget* window);

    // Left edge and top edge that centre a window of `size` on its screen.
    static QPoint CentredPosition(const QWidget* window);

    // The windows were designed around "MS Sans Serif"; where it is missing
    // the system's sans-serif stands in at the same pixel size.
    static QFont DesignFont(int pixelSize, QFont::Weight weight = QFont::Normal);

protected:
    // A text on the skin: plain text in `colour` on the picture, at the top of
    // `place` and cut off at its edges. It keeps the mouse to itself, so a
    // drag starts from the bare surface only.
    QLabel* AddLabel(const QString& text, QRect place, const QFont& font, QColor colour,
                     Qt::Alignment alignment = Qt::AlignLeft);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
};

// Opens a web address in the user's browser; returns whether one was started.
bool OpenWebPage(const QString& address);

#pragma once

#include <QPixmap>
#include <QWidget>

// A borderless window of fixed size whose surface is a picture. Dragging the
// bare surface with the left button alone moves it.
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
};

// Opens a web address in the user's browser; returns whether one was started.
bool OpenWebPage(const QString& address);

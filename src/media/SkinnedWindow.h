#pragma once

#include <optional>

#include <QFont>
#include <QPixmap>
#include <QWidget>

class QLabel;

// A borderless window of fixed size whose surface is a picture. Moving the
// mouse after a press of the left button alone on the bare surface drags it
// until the button is let go. Where the picture is smaller than the window,
// the rest is black like the pictures' rims.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    SkinnedWindow(const QString& title, QSize size, QWidget* parent = nullptr);

    void SetBackground(const QPixmap& picture);

    // Moves a window with the mouse until the left button is released, keeping
    // the point that was under the pointer at `pressedAt` under the pointer,
    // now at `pointer` (both in screen coordinates); returns when the move is
    // over, so whatever waits for the handler that called it (a running game)
    // holds for the whole move. Where windows cannot place themselves (native
    // Wayland) the compositor moves the window instead and this returns at once.
    static void DragWindow(QWidget* window, QPoint pressedAt, QPoint pointer);

    // Makes the window a transient child of `owner`: the desktop keeps it above
    // its owner and, where windows cannot place themselves, puts it near it.
    void SetOwner(QWidget* owner);

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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A window that closes while it has the focus hands the focus to its
    // owner, as owned windows do on every desktop; without a window manager
    // nobody else would, and the owner would learn only at the next click
    // that it is the active window again.
    void hideEvent(QHideEvent* event) override;

    // Puts the window's pictures in place for a screen with `ratio` device
    // pixels to a window pixel. A window calls UpdatePictures() once it has
    // its controls; it is called again whenever the window shows up on a
    // screen of another scale, so no picture is left blurred or too coarse.
    virtual void LoadPictures(qreal ratio);
    void UpdatePictures();
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPixmap m_background;
    qreal m_pictureRatio = 0;  // the scale the pictures were loaded for; 0 before the first load
    // Screen point of a fresh left press on the bare surface, from the press
    // until the first move drags the window or the button is let go.
    std::optional<QPoint> m_dragFrom;
};

// Opens a web address in the user's browser; returns whether one was started.
bool OpenWebPage(const QString& address);

#pragma once

#include <QPixmap>
#include <QWidget>

#include "media/PictureScale.h"
#include "media/WindowDrag.h"

class QLabel;

// A borderless window of fixed size whose surface is a picture, dragged by
// its bare surface (WindowDrag). Where the picture is smaller than the
// window, the rest is black like the pictures' rims. When it closes with the
// focus, its owner gets the focus back (WindowOwner).
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    SkinnedWindow(const QString& title, QSize size, QWidget* parent = nullptr);

    void SetBackground(const QPixmap& picture);

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
    void hideEvent(QHideEvent* event) override;

    // Puts the window's pictures in place for a screen with `ratio` device
    // pixels to a window pixel. A window calls UpdatePictures() once it has
    // its controls; it is called again whenever the window shows up on a
    // screen of another scale.
    virtual void LoadPictures(qreal ratio);
    void UpdatePictures();
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPixmap m_background;
    PictureScale m_pictureScale;
    WindowDrag m_drag{this};
};

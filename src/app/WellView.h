#pragma once

#include <QImage>
#include <QWidget>

// The visible well. The window's background already draws its
// two-pixel sunken border; this widget shows inside it whatever the back
// buffer held at the last presentation, and nothing before the first one,
// so the background's empty gray well shows through until a game starts.
class WellView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Border = 2;          // pixels of sunken frame around the drawing area
    static constexpr QSize DrawingSize{160, 288};

    explicit WellView(QWidget* parent);

    // Copies the back buffer's well as the screen shows it (BackBuffer::
    // ScreenImage, marked with the screen's device pixel ratio) and shows it
    // at once, without waiting for the event loop: a hard drop paints many
    // times in one go.
    void Present(const QImage& screenWell);

    bool HasPicture() const { return m_presented; }
    // What the well shows now, at the scale it was painted for.
    const QImage& Picture() const { return m_picture; }

private:
    QImage m_picture;
    QWidget* m_canvas;  // the drawing area, hidden until the first presentation
    bool m_presented = false;
};

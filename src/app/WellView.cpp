#include "app/WellView.h"

#include <QPainter>

#include "app/PixelCopy.h"

namespace {

// The drawing area inside the frame. It covers every one of its pixels with
// the well's picture, so Qt need not paint the window's background under it
// first: on a 3x screen that halves the cost of showing a move.
class WellCanvas : public QWidget {
public:
    WellCanvas(const QImage& picture, QWidget* parent) : QWidget(parent), m_picture(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Each pixel of the picture is one pixel of the screen. Painting it
        // in device pixels, through an unscaled view of the same memory,
        // lets Qt copy rows instead of resampling pixel by pixel on scaled
        // screens.
        const qreal ratio = m_picture.devicePixelRatio();
        const QImage devicePixels(m_picture.constBits(), m_picture.width(), m_picture.height(),
                                  m_picture.bytesPerLine(), m_picture.format());
        QPainter painter(this);
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(QPoint(0, 0), devicePixels);
    }

private:
    const QImage& m_picture;
};

}  // namespace

WellView::WellView(QWidget* parent) : QWidget(parent), m_canvas(new WellCanvas(m_picture, this))
{
    m_canvas->setGeometry(QRect(QPoint(Border, Border), DrawingSize));
    m_canvas->hide();
}

void WellView::Present(const QImage& screenWell)
{
    if (m_picture.size() != screenWell.size()) {
        m_picture = QImage(screenWell.size(), QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(screenWell.devicePixelRatio());
    }
    CopyPixels(screenWell, screenWell.rect(), m_picture, QPoint(0, 0));
    if (!m_presented) {
        m_presented = true;
        m_canvas->show();
    }
    m_canvas->repaint();
}

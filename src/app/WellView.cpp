#include "app/WellView.h"

#include <QPainter>

#include "app/BackBuffer.h"
#include "app/PixelCopy.h"

WellView::WellView(QWidget* parent) : QWidget(parent), m_picture(DrawingSize, QImage::Format_RGB32)
{
    m_picture.fill(BackBuffer::Background);
}

void WellView::Present(const QImage& screenWell)
{
    if (m_picture.size() != screenWell.size()) {
        m_picture = QImage(screenWell.size(), QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(screenWell.devicePixelRatio());
    }
    CopyPixels(screenWell, screenWell.rect(), m_picture, QPoint(0, 0));
    m_presented = true;
    repaint(QRect(QPoint(Border, Border), DrawingSize));
}

void WellView::paintEvent(QPaintEvent*)
{
    if (!m_presented) {
        return;
    }
    QPainter painter(this);
    // Drawn at its own ratio, so each of its pixels is one pixel of the screen.
    painter.drawImage(QPointF(Border, Border), m_picture);
}

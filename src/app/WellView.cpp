#include "app/WellView.h"

#include <QPainter>

#include "app/BackBuffer.h"
#include "app/PixelCopy.h"

WellView::WellView(QWidget* parent) : QWidget(parent), m_picture(DrawingSize, QImage::Format_RGB32)
{
    m_picture.fill(BackBuffer::Background);
}

void WellView::Present(const QImage& backBuffer)
{
    CopyPixels(backBuffer, BackBuffer::WellArea, m_picture, QPoint(0, 0));
    m_presented = true;
    repaint(QRect(QPoint(Border, Border), DrawingSize));
}

void WellView::paintEvent(QPaintEvent*)
{
    if (!m_presented) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(Border, Border, m_picture);
}

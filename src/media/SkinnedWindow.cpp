#include "media/SkinnedWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "media/WindowOwner.h"

SkinnedWindow::SkinnedWindow(const QString& title, QSize size, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(title);
    setFixedSize(size);
    QPalette surface = palette();
    surface.setColor(QPalette::Window, Qt::black);
    setPalette(surface);
}

void SkinnedWindow::SetBackground(const QPixmap& picture)
{
    m_background = picture;
    update();
}

QLabel* SkinnedWindow::AddLabel(const QString& text, QRect place, const QFont& font, QColor colour,
                                Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);  // names are whatever a player typed: never markup
    label->setText(text);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    QPalette textPalette = label->palette();
    textPalette.setColor(QPalette::WindowText, colour);
    label->setPalette(textPalette);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

void SkinnedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void SkinnedWindow::mousePressEvent(QMouseEvent* event)
{
    m_drag.Pressed(event);
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.Moved(event);
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_drag.Released();
}

void SkinnedWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    WindowOwner::HandFocusBack(this, event);
}

void SkinnedWindow::LoadPictures(qreal /*ratio*/) {}

void SkinnedWindow::UpdatePictures()
{
    const qreal ratio = devicePixelRatioF();
    if (m_pictureScale.Changes(ratio)) {
        LoadPictures(ratio);
    }
}

void SkinnedWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The pictures were chosen before the window had a screen; it may have
    // opened on another one than the primary.
    UpdatePictures();
}

bool SkinnedWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (PictureScale::MayHaveChanged(event)) {
        UpdatePictures();
    }
    return handled;
}

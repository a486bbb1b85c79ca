#include "media/PictureButton.h"

#include <QMouseEvent>

#include "media/SkinPictures.h"

PictureButton::PictureButton(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(0, 0);
}

void PictureButton::SetPictures(const QPixmap& released, const QPixmap& pressed)
{
    m_released = released;
    m_pressed = pressed;
    setPixmap(m_showingPressed ? m_pressed : m_released);
    resize(PictureSize(m_released).expandedTo(PictureSize(m_pressed)));
}

void PictureButton::ShowPressed()
{
    m_showingPressed = true;
    setPixmap(m_pressed);
}

void PictureButton::ShowReleased()
{
    m_showingPressed = false;
    setPixmap(m_released);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // Only the first button of a chord counts as the press.
    if ((event->buttons() & ~event->button()) != Qt::NoButton) {
        return;
    }
    ShowPressed();
    emit MouseDown();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->buttons() != Qt::NoButton) {
        return;  // other buttons are still held: the click ends with the last one
    }
    ShowReleased();
    emit MouseUp();
}

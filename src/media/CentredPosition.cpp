#include "media/CentredPosition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint CentredPosition(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return window->pos();
    }
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

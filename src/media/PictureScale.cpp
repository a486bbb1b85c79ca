#include "media/PictureScale.h"

#include <QEvent>

bool PictureScale::Changes(qreal ratio)
{
    if (ratio == m_loaded) {
        return false;
    }
    m_loaded = ratio;
    return true;
}

bool PictureScale::MayHaveChanged(const QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        return true;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Qt tells of a new scale on the same screen with an event of its own since 6.6.
    return event->type() == QEvent::DevicePixelRatioChange;
#else
    return false;
#endif
}

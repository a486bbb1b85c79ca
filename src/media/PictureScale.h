#pragma once

#include <QtGlobal>

class QEvent;

// Tells a window when to load its pictures again: the first time, and
// whenever it shows up on a screen of another scale, so no picture is left
// blurred or too coarse.
class PictureScale {
public:
    // True when `ratio` (device pixels to a window pixel) is not the scale the
    // pictures were last loaded for; from now on it is.
    bool Changes(qreal ratio);

    // The window moved to another screen, or the screen's scale changed under it.
    static bool MayHaveChanged(const QEvent* event);

private:
    qreal m_loaded = 0;  // the scale the pictures were loaded for; 0 before the first load
};

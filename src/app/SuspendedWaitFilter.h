#pragma once

#include <QObject>

// In a browser the program waits (a game's timed wait, an effect playing, a
// dialog's loop) by suspending its whole stack and handing the page back to
// the browser. The browser still delivers input and timers meanwhile, at once
// and from its own callbacks. Two things then go wrong that this application
// event filter puts right:
// - A timer that fires during the wait does not end it, as it would on the
//   desktop; so every timer wakes the event loop.
// - A handler of input that waits itself (a click that opens a modal box)
//   cannot suspend a second time, and the page would freeze. So input that
//   arrives during a wait is posted again to the same window and the original
//   dropped: the copy arrives once the wait has resumed, and its handler may
//   wait as on the desktop.
class SuspendedWaitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#pragma once

class QHideEvent;
class QWidget;

// What it means for a window of the game to belong to the main window: the
// desktop keeps it above its owner and, where windows cannot place
// themselves, puts it near it; and when it closes with the focus it hands the
// focus back to its owner, as owned windows do on every desktop.
namespace WindowOwner {

// Makes `window` a transient child of `owner`'s window, or of none when
// `owner` is null.
void Attach(QWidget* window, QWidget* owner);

// The owner for a window that opens now on its own, not at the player's
// click in the main window (the name box, the save warning and the high
// scores at the end of a game): the main window, unless it is minimised. A
// game can end while the window is minimised, and some desktops (openbox)
// then hand every activation of the main window to the window that belongs
// to it and leave the game itself minimised, so the player could not get the
// game back while that window waits; it stands on its own instead.
QWidget* ForWindowOpenedByTheGame(QWidget* mainWindow);

// Called as `window` hides. Without a window manager nobody else would hand
// the focus on, and the owner would learn only at the next click that it is
// the active window again.
void HandFocusBack(QWidget* window, const QHideEvent* event);

}  // namespace WindowOwner

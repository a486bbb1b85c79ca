#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "../support/QtPrinters.h"
#include "app/MainWindow.h"

class PictureButton;

namespace fallox::test {

// The main window, shown and with its pieces at hand.
struct ShownWindow {
    ShownWindow();
    ~ShownWindow();

    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }

    template <typename T = QWidget>
    T* Control(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    PictureButton* Button(const QString& name) const;

    // Left click on a picture button; for "newGameButton" it returns when the game is over.
    void Click(const QString& name) const;

    // The window as the player sees it, and the colour of one of its pixels.
    QImage Screen() const;
    QRgb PixelAt(QPoint windowPoint) const { return Screen().pixel(windowPoint); }

    std::unique_ptr<MainWindow> window;
};

// A press on `pressed` at `at` (its own coordinates) with `button`, while
// `held` are the buttons down after it; then a move by half of `by` with the
// left button held and, while that move's handler may still run, a move by
// all of `by` and the release of the left button there. A watchdog lets go
// after a second should a drag start from a later move.
struct DragOutcome {
    QPoint moved;                   // the top-level window's displacement once all was delivered
    bool heldUntilRelease = false;  // the first move's handler returned only after the release
};
DragOutcome PressAndDrag(QWidget* pressed, QPoint at, QPoint by, Qt::MouseButton button = Qt::LeftButton,
                         Qt::MouseButtons held = Qt::LeftButton);

// A mouse move over the whole screen to `global` with `buttons` down, and a
// release of the left button there, sent to `window`.
void MoveMouse(QWidget* window, QPoint global, Qt::MouseButtons buttons);
void ReleaseLeft(QWidget* window, QPoint global);

// Every piece the game draws is of type 1..7.
double ChanceFor(int pieceType);

// Starts a game with the "Neues spiel" button and runs `script` inside its
// first wait; returns after the game has ended. A watchdog ends a game that
// the script failed to end within a few seconds, and fails the test.
void PlayScripted(ShownWindow& window, const std::function<void()>& script);

// ":/images/intro.png" painted for scale 2 is ":/images/intro@2x.png".
QString FileForScale(const QString& plain, int scale);

// A picture a window shows: the part `part` (window pixels) of the file
// `file` (below the resources, e.g. "images/intro.png"), its top-left corner
// at `at` in the window.
struct ShownPicture {
    QString file;
    QPoint at;
    QRect part;
};

inline QRect Whole(int width, int height) { return QRect(0, 0, width, height); }

// The pictures `window` does not show as painted for its screen's scale:
// - at a whole scale, pixel for pixel as the file painted for that scale
//   ("name@2x.png"), wherever the picture is opaque;
// - at a fractional scale such as 1.25 or 1.5, every screen pixel wholly
//   inside the part as the average of the pixels of the 3x picture that it
//   covers, each weighted by the share it covers, within rounding: what a
//   painting at that scale would give, nothing blurrier, no pixel doubled.
// Each entry names the file, the place and the scale.
std::vector<std::string> PicturesDiffering(QWidget& window, const std::vector<ShownPicture>& pictures);

// Top-left corner of the well's drawing area in window coordinates.
inline constexpr QPoint WellOrigin{18, 17};

// The four menu buttons by object name, in screen order from the top.
inline const char* const MenuButtonNames[4] = {"newGameButton", "highScoresButton", "optionsButton", "pauseButton"};

}  // namespace fallox::test

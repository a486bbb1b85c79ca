#pragma once

#include <functional>

#include <QObject>

class QKeyEvent;
class QWidget;

// The game's code for a key (37 left, 39 right, 38 up, 12 clear, 40 down,
// 80 P), or 0 for a key the game does not know. Shift and the other
// modifiers are not looked at.
int GameKeyCode(const QKeyEvent& event);

// Hands every key press made anywhere in `window` to `onKey`, whichever of
// its controls has the focus. Held keys come once per repeat.
class KeyboardFilter : public QObject {
    Q_OBJECT
public:
    KeyboardFilter(QWidget* window, std::function<void(int)> onKey);
    ~KeyboardFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void(int)> m_onKey;
};

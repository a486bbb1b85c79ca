#pragma once

#include <QLabel>
#include <QPixmap>

// A picture that acts as a button: any mouse button shows the pressed picture,
// the release puts the released picture back and then reports the click. The
// release goes to the button that took the press wherever the pointer is, so
// letting go outside the button still acts. The button is as large as the
// larger of its two pictures, so neither is ever cut.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    // Without pictures until SetPictures gives them (each window loads its
    // pictures for the screen it is on).
    explicit PictureButton(QWidget* parent);

    void SetPictures(const QPixmap& released, const QPixmap& pressed);
    void ShowPressed();
    void ShowReleased();
    bool IsShowingPressed() const { return m_showingPressed; }

signals:
    void MouseDown();
    void MouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_released;
    QPixmap m_pressed;
    bool m_showingPressed = false;
};

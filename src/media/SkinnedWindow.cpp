#include "media/SkinnedWindow.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <QWindow>

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

QFont SkinnedWindow::DesignFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
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

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton) {
        DragForm(this);
    }
}

namespace {

// Follows the mouse until the left button is let go: the fallback for
// platforms without a move loop of their own (no window manager, offscreen).
class ManualDrag : public QObject {
public:
    ManualDrag(QWidget* window) : m_window(window), m_grab(QCursor::pos() - window->pos()) {}

    void Run()
    {
        m_window->grabMouse();
        m_window->installEventFilter(this);
        m_loop.exec();
        if (m_window) {
            m_window->removeEventFilter(this);
            m_window->releaseMouse();
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_window->move(mouse->globalPosition().toPoint() - m_grab);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_loop.quit();
            }
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Hide) {
            m_loop.quit();
            return event->type() == QEvent::MouseButtonRelease;
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_grab;
    QEventLoop m_loop;
};

}  // namespace

void SkinnedWindow::DragForm(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    ManualDrag(window).Run();
}

QPoint SkinnedWindow::CentredPosition(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return window->pos();
    }
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

bool OpenWebPage(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

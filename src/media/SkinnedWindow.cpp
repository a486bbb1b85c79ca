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
    // Where neither Windows face exists, the font the program brings along.
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                           QStringLiteral("DejaVu Sans")});
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

void SkinnedWindow::mousePressEvent(QMouseEvent* event)
{
    // Only a fresh press of the left button alone can start a move, and only
    // once: a move reporting the left button without such a press (its release
    // went elsewhere) drags nothing.
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton) {
        m_dragFrom = event->globalPosition().toPoint();
    } else {
        m_dragFrom.reset();
    }
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragFrom && event->buttons() == Qt::LeftButton) {
        const QPoint pressedAt = *m_dragFrom;
        m_dragFrom.reset();
        DragWindow(this, pressedAt, event->globalPosition().toPoint());
    }
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_dragFrom.reset();
}

void SkinnedWindow::SetOwner(QWidget* owner)
{
    if (owner == nullptr) {
        return;
    }
    // Both native windows must exist before one can name the other.
    winId();
    owner->window()->winId();
    windowHandle()->setTransientParent(owner->window()->windowHandle());
}

void SkinnedWindow::LoadPictures(qreal /*ratio*/) {}

void SkinnedWindow::UpdatePictures()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_pictureRatio) {
        m_pictureRatio = ratio;
        LoadPictures(ratio);
    }
}

void SkinnedWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The pictures were chosen before the window had a screen; it may have
    // opened on another one than the primary.
    UpdatePictures();
}

bool SkinnedWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Moved to another screen, or the screen's scale changed under the window.
    bool rescaled = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    rescaled = rescaled || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (rescaled) {
        UpdatePictures();
    }
    return handled;
}

void SkinnedWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    QWindow* const own = windowHandle();
    QWindow* const owner = own != nullptr ? own->transientParent() : nullptr;
    // A spontaneous hide is the desktop minimising the window, not a close.
    if (!event->spontaneous() && owner != nullptr && owner->isVisible() && QGuiApplication::focusWindow() == own) {
        owner->requestActivate();
    }
}

namespace {

// Follows the mouse until the left button is let go. The window grabs the
// mouse, so it keeps the pointer when a fast move outruns it, and a window
// manager cannot take the release away. Like a platform's modal move loop it
// runs its own event loop: whatever waits for the press's handler (a running
// game) holds until the release, and keys and other clicks made meanwhile are
// dropped rather than saved up for afterwards.
class ManualDrag : public QObject {
public:
    ManualDrag(QWidget* window, QPoint pressedAt) : m_window(window), m_grab(pressedAt - window->pos()) {}

    void Run(QPoint pointer)
    {
        m_window->move(pointer - m_grab);
        m_window->grabMouse();
        QCoreApplication::instance()->installEventFilter(this);
        m_loop.exec();
        QCoreApplication::instance()->removeEventFilter(this);
        if (m_window) {
            m_window->releaseMouse();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Qt hands input to the native window first and then to a widget;
        // taking it at the widget leaves Qt's own bookkeeping of the buttons intact.
        if (!watched->isWidgetType()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_window) {
                m_window->move(mouse->globalPosition().toPoint() - m_grab);
            }
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_loop.quit();  // the release went elsewhere
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                m_loop.quit();
            }
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        case QEvent::Hide:
            if (watched == m_window) {
                m_loop.quit();
            }
            return false;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_grab;  // the pressed point relative to the window's top-left corner
    QEventLoop m_loop;
};

// A native Wayland window cannot place itself; only the compositor can move it.
bool PlatformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

void SkinnedWindow::DragWindow(QWidget* window, QPoint pressedAt, QPoint pointer)
{
    QWindow* handle = window->windowHandle();
    if (!PlatformPlacesWindows() && handle != nullptr && handle->startSystemMove()) {
        return;
    }
    ManualDrag(window, pressedAt).Run(pointer);
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

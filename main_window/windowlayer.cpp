#include "windowlayer.h"

#include <QBitmap>
#include <QEvent>
#include <QImage>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace {

// A fixed-size window with caption, system menu and minimise box, as the main window is designed.
constexpr std::uint32_t kDesignStyle = 0x00C00000 | 0x00080000 | 0x00020000 | 0x04000000 | 0x02000000;

} // namespace

QtWindowLayer::QtWindowLayer(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_style(kDesignStyle)
{ }

std::uint32_t QtWindowLayer::windowLong(Index index)
{
    return index == Index::Style ? m_style : m_extendedStyle;
}

std::uint32_t QtWindowLayer::setWindowLong(Index index, std::uint32_t value)
{
    if (index == Index::ExtendedStyle)
        return std::exchange(m_extendedStyle, value);
    m_window->setWindowFlag(Qt::FramelessWindowHint, (value & kCaption) == 0);
    return std::exchange(m_style, value);
}

void QtWindowLayer::setLayeredWindowAttributes(QColor key, int /*alpha*/, std::uint32_t flags)
{
    // As on the desktop it imitates, a colour key takes effect only on a layered window.
    if (!(m_extendedStyle & kLayered) || !(flags & kColourKeyFlag))
        return;
    const bool first = !m_key.isValid();
    m_key = key;
    if (first)
        m_window->installEventFilter(this);
    if (m_window->isVisible())
        applyColourKey();
}

void QtWindowLayer::releaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

bool QtWindowLayer::sendMessage(unsigned message, int wParam, long /*lParam*/)
{
    if (message != kNonClientLeftButtonDown || wParam != kCaptionHit)
        return false;
    QWindow* handle = m_window->windowHandle();
    return handle && handle->startSystemMove();
}

QRegion QtWindowLayer::visibleRegion(QWidget* window, QColor key)
{
    QImage drawn(window->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white); // whatever is not drawn stays part of the window
    window->render(&drawn);
    return QRegion(QBitmap::fromImage(drawn.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

bool QtWindowLayer::eventFilter(QObject* watched, QEvent* event)
{
    // The key colour is painted by the window's own background, which is set up only after the key
    // is declared, so the mask is taken when the window is about to appear. Drawing the window sends
    // its pending events again, hence the guard.
    if (watched == m_window && event->type() == QEvent::Show && !m_applying)
        applyColourKey();
    return QObject::eventFilter(watched, event);
}

void QtWindowLayer::applyColourKey()
{
    m_applying = true;
    m_window->setMask(visibleRegion(m_window, m_key));
    m_applying = false;
}

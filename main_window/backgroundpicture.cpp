#include "backgroundpicture.h"

#include "pictures.h"
#include "twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

// The top rows of the header, by which the window can always be taken again.
constexpr int kHeaderHeight = 40;

} // namespace

BackgroundPicture::BackgroundPicture(QWidget* parent)
    : ImageControl(QStringLiteral("Picture14"), QPixmap(), parent)
    // The largest picture, read while the window builds its other controls and loads their fonts.
    , m_reading(pictures::loadLater(QStringLiteral("background")))
{
    setBackColour(Qt::white);
    setGeometry(0, 0, 400, 400);
}

void BackgroundPicture::finishLoading()
{
    if (m_reading.valid())
        setPicture(QPixmap::fromImage(m_reading.get()));
}

void BackgroundPicture::followPointer(const QPoint& globalPressPosition)
{
    m_following = true;
    m_pressOffset = globalPressPosition - window()->pos();
}

void BackgroundPicture::paintEvent(QPaintEvent* event)
{
    ImageControl::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(twips::line(600, 3240, 600, 5040));
    painter.drawLine(twips::line(840, 5040, 600, 5040));
    painter.drawLine(twips::line(5400, 3240, 5400, 5040));
    painter.drawLine(twips::line(5160, 5040, 5400, 5040));
}

void BackgroundPicture::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_press = event->globalPosition().toPoint();
        m_following = false;
    }
}

void BackgroundPicture::mouseMoveEvent(QMouseEvent* event)
{
    // A release that never arrived (taken by another program's grab) ends the move all the same.
    if (!(event->buttons() & Qt::LeftButton)) {
        m_press.reset();
        m_following = false;
        return;
    }
    const QPoint pointer = event->globalPosition().toPoint();
    // A press and release, however short, is a click: only a pointer still held and moved past the
    // drag distance starts a move, so no window manager is ever asked for one after the release.
    if (m_press && (pointer - *m_press).manhattanLength() >= QApplication::startDragDistance()) {
        const QPoint press = *m_press;
        m_press.reset();
        emit dragStarted(press);
    }
    if (m_following)
        window()->move(keepHeaderOnScreen(pointer - m_pressOffset, pointer));
}

void BackgroundPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_press.reset();
        m_following = false;
    }
}

QPoint BackgroundPicture::keepHeaderOnScreen(QPoint topLeft, const QPoint& pointer) const
{
    // Without a window manager nothing else keeps the window from leaving every screen.
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = window()->screen();
    if (!screen)
        return topLeft;
    const QRect area = screen->geometry();
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - window()->width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - kHeaderHeight)));
    return topLeft;
}

#include "imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(const QString& name, const QPixmap& picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setObjectName(name);
    // Presses on a control never reach the background, which would move the window.
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void ImageControl::setBackColour(const QColor& colour)
{
    m_back = colour;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_back.isValid())
        painter.fillRect(rect(), m_back);
    painter.drawPixmap(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

#include "backgroundpicture.h"

#include "pictures.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

BackgroundPicture::BackgroundPicture(QWidget* parent)
    : ImageControl(QStringLiteral("Picture14"), pictures::load(QStringLiteral("background")), parent)
{
    setBackColour(Qt::white);
    setGeometry(0, 0, 400, 400);
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
    if (event->button() == Qt::LeftButton)
        emit leftButtonPressed(event->globalPosition().toPoint());
}

void BackgroundPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (m_following)
        window()->move(event->globalPosition().toPoint() - m_pressOffset);
}

void BackgroundPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_following = false;
}

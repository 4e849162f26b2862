#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// Outlines the pictures are made of; a canvas fills them.
namespace shapes {

QPainterPath rect(const QRectF& area);
QPainterPath roundedRect(const QRectF& area, double radius);
QPainterPath polygon(const QPolygonF& corners);
QPainterPath line(QPointF from, QPointF to);

} // namespace shapes

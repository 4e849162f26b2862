#include "shapes.h"

namespace shapes {

QPainterPath rect(const QRectF& area)
{
    QPainterPath path;
    path.addRect(area);
    return path;
}

QPainterPath roundedRect(const QRectF& area, double radius)
{
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    return path;
}

QPainterPath polygon(const QPolygonF& corners)
{
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

} // namespace shapes

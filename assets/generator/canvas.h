#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <functional>

class QPainterPath;

// Surfaces and finishing for the pictures. Coordinates are always window pixels; a picture drawn at
// scale 2 has twice as many device pixels per window pixel and is painted anew, not enlarged.
namespace canvas {

QImage blank(QSize logicalSize, int scale, QColor ground = Qt::transparent);

// Every pixel ends fully transparent or fully opaque, because the window builds exact masks from the
// alpha channel, and none keeps the key colour. Pictures without transparent pixels come back as RGB32.
QImage finished(const QImage& drawn);

// A colour for a point in window pixels; called at the centre of every device pixel.
using Shader = std::function<QRgb(double x, double y)>;

// Fills shape with colours from shader; the antialiased coverage of the shape blends its edge.
void fillShaded(QImage& image, const QPainterPath& shape, const Shader& shader);

// The outline of text stretched to fill box exactly, so that the lettering lands on the same pixels
// whatever the font's own metrics are.
QPainterPath textInBox(const QString& text, const QFont& font, const QRectF& box);

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal);

// False when the font the pictures are drawn with is not installed: another one would change them.
bool fontAvailable();

} // namespace canvas

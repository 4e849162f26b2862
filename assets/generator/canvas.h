#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

#include <functional>

class QPainter;
class QPainterPath;
class QPen;

// How a finished picture keeps the edges of its shapes.
enum class Edges
{
    // Every pixel fully transparent or fully opaque, for pictures the window lays over each other.
    Crisp,
    // Antialiased edges keep their partial alpha, for the outline of the window itself: where the
    // desktop blends windows the edge is smooth, and elsewhere the window cuts it at half coverage.
    Soft
};

// A picture being drawn, in window pixels; at scale 2 every window pixel holds 2 x 2 device pixels and
// shapes are drawn anew at that size, not enlarged. QPainter only measures how much of each device
// pixel a shape covers (integer rasterisation into an 8-bit mask); every colour that ends up in a
// pixel is worked out here with integer arithmetic. Qt's own blending and alpha conversions pick their
// routines by the processor's instruction set, and some of those round with approximate instructions
// whose results differ from one processor model to the next.
class Canvas
{
public:
    // A colour for a point in window pixels; called at the centre of every device pixel it paints.
    using Shader = std::function<QRgb(double x, double y)>;

    Canvas(QSize logicalSize, int scale, QRgb ground = 0);

    // Lays colour (its alpha included) over shape; the shape's antialiased coverage blends its edge.
    void fill(const QPainterPath& shape, QRgb colour);
    void fill(const QPainterPath& shape, const Shader& shader);

    // Lays the pen's colour along path, measured as QPainter strokes it: a pen 1 device pixel wide
    // keeps Qt's thin-line look.
    void stroke(const QPainterPath& path, const QPen& pen);

    // Straight (not premultiplied) colour; no pixel keeps the key colour, and a picture without any
    // transparency is RGB32. With crisp edges a pixel at least half covered becomes opaque.
    QImage finished(Edges edges = Edges::Crisp) const;

private:
    // draw paints one shape, opaque, into a coverage mask; the shader colours what it covers.
    void blend(const std::function<void(QPainter&)>& draw, int opacity, const Shader& shader);

    // Premultiplied 8-bit channels, written only by this class.
    QImage m_pixels;
    int m_scale;
};

// The common frame of a picture function: a canvas of the given size and ground, painted, finished.
QImage drawPicture(QSize logicalSize, int scale, QRgb ground, const std::function<void(Canvas&)>& paint,
                   Edges edges = Edges::Crisp);

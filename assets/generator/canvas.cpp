#include "canvas.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// x / 255 rounded to the nearest integer, for the products of two 8-bit values.
constexpr int div255(int product)
{
    return (product + 127) / 255;
}

// How much of every device pixel one shape covers, 0 to 255. The rasteriser works in fixed point and
// the shape is the only thing drawn into the mask, so the values are coverage as measured, not the
// results of Qt's colour blending.
QImage coverageOf(const std::function<void(QPainter&)>& draw, QSize deviceSize, int scale)
{
    QImage mask(deviceSize, QImage::Format_Alpha8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return mask;
}

} // namespace

Canvas::Canvas(QSize logicalSize, int scale, QRgb ground)
    : m_pixels(logicalSize * scale, QImage::Format_ARGB32_Premultiplied)
    , m_scale(scale)
{
    const int alpha = qAlpha(ground);
    const auto premultiplied = [alpha](int channel) { return div255(channel * alpha); };
    m_pixels.fill(qRgba(premultiplied(qRed(ground)), premultiplied(qGreen(ground)),
                        premultiplied(qBlue(ground)), alpha));
}

void Canvas::fill(const QPainterPath& shape, QRgb colour)
{
    const QRgb opaque = colour | 0xff000000;
    blend([&shape](QPainter& painter) { painter.fillPath(shape, Qt::black); }, qAlpha(colour),
          [opaque](double, double) { return opaque; });
}

void Canvas::fill(const QPainterPath& shape, const Shader& shader)
{
    blend([&shape](QPainter& painter) { painter.fillPath(shape, Qt::black); }, 255, shader);
}

void Canvas::stroke(const QPainterPath& path, const QPen& pen)
{
    QPen opaquePen = pen;
    opaquePen.setColor(Qt::black);
    const QRgb opaque = pen.color().rgb();
    blend([&](QPainter& painter) { painter.strokePath(path, opaquePen); }, pen.color().alpha(),
          [opaque](double, double) { return opaque; });
}

void Canvas::blend(const std::function<void(QPainter&)>& draw, int opacity, const Shader& shader)
{
    const QImage coverage = coverageOf(draw, m_pixels.size(), m_scale);
    for (int py = 0; py < m_pixels.height(); ++py) {
        const uchar* cover = coverage.constScanLine(py);
        auto* line = reinterpret_cast<QRgb*>(m_pixels.scanLine(py));
        for (int px = 0; px < m_pixels.width(); ++px) {
            const int a = opacity == 255 ? cover[px] : div255(cover[px] * opacity);
            if (a == 0)
                continue;
            const QRgb source = shader((px + 0.5) / m_scale, (py + 0.5) / m_scale);
            const QRgb destination = line[px];
            // Source over on premultiplied channels with one rounding: (s * a + d * (255 - a)) / 255.
            const auto over = [a](int s, int d) { return div255(s * a + d * (255 - a)); };
            line[px] = qRgba(over(qRed(source), qRed(destination)), over(qGreen(source), qGreen(destination)),
                             over(qBlue(source), qBlue(destination)), over(255, qAlpha(destination)));
        }
    }
}

QImage Canvas::finished(Edges edges) const
{
    QImage out(m_pixels.size(), QImage::Format_ARGB32);
    bool anyTransparent = false;
    for (int py = 0; py < out.height(); ++py) {
        const auto* in = reinterpret_cast<const QRgb*>(m_pixels.constScanLine(py));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(py));
        for (int px = 0; px < out.width(); ++px) {
            const int alpha = qAlpha(in[px]);
            if (alpha == 0 || (edges == Edges::Crisp && alpha < 128)) {
                line[px] = 0;
                anyTransparent = true;
                continue;
            }
            // Back to straight colour, rounded to nearest: channel * 255 / alpha.
            const auto straight
                = [alpha](int channel) { return std::min(255, (channel * 255 + alpha / 2) / alpha); };
            QRgb colour = qRgb(straight(qRed(in[px])), straight(qGreen(in[px])), straight(qBlue(in[px])));
            if (colour == palette::kKey)
                colour = qRgb(127, 127, 1);
            const bool opaque = edges == Edges::Crisp || alpha == 255;
            line[px] = opaque ? colour : qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha);
            anyTransparent = anyTransparent || !opaque;
        }
    }
    // Every alpha is 255 otherwise, so the pixels are RGB32 as they stand.
    if (!anyTransparent)
        out.reinterpretAsFormat(QImage::Format_RGB32);
    return out;
}

QImage drawPicture(QSize logicalSize, int scale, QRgb ground, const std::function<void(Canvas&)>& paint,
                   Edges edges)
{
    Canvas canvas(logicalSize, scale, ground);
    paint(canvas);
    return canvas.finished(edges);
}

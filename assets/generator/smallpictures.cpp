#include "smallpictures.h"

#include "canvas.h"
#include "palette.h"
#include "shading.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <functional>

namespace extras {
namespace {

// Where each texture row lies between the dark and the light end of its metal, top row first.
constexpr std::array<double, 25> kGoldRows { 1.0,  0.85, 0.95, 0.75, 0.6,  0.45, 0.35, 0.25, 0.15,
                                             0.05, 0.0,  0.1,  0.0,  0.08, 0.0,  0.12, 0.25, 0.4,
                                             0.55, 0.7,  0.8,  0.9,  1.0,  0.92, 1.0 };
constexpr std::array<double, 21> kSilverStripes { 0.3, 0.0, 0.6, 1.0, 0.4,  0.1, 0.0, 0.5, 0.8, 0.3, 0.0,
                                                  0.2, 0.7, 1.0, 0.5, 0.15, 0.0, 0.4, 0.9, 0.6, 0.2 };
constexpr int kSilverShineRows = 4;

// Geometry of one pointer size: the tip, the head's base row and half width, and the shaft.
struct PointerShape
{
    QPointF tip;
    double headBase;
    double headHalfWidth;
    QRectF shaft;
};

QImage stripedTexture(QSize size, int scale, const std::function<QRgb(int row)>& rowColour)
{
    QImage image = canvas::blank(size, scale);
    QPainter painter(&image);
    for (int row = 0; row < size.height(); ++row)
        painter.fillRect(QRectF(0, row, size.width(), 1), QColor(rowColour(row)));
    painter.end();
    return canvas::finished(image);
}

// A meter with a white dial and a red needle above an olive resistor.
void paintMeterIcon(QPainter& painter)
{
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRoundedRect(QRectF(1.5, 0.5, 13, 9), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3, 2, 10, 6));
    painter.setPen(QPen(QColor(220, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 7.5), QPointF(11, 3));
    painter.fillRect(QRectF(0, 12, 16, 1), QColor(110, 110, 110));
    painter.setPen(QPen(QColor(70, 66, 20), 1));
    painter.setBrush(QColor(150, 142, 40));
    painter.drawRoundedRect(QRectF(3.5, 10.5, 9, 4), 1.5, 1.5);
}

// Ten vertical stripes of whole pixels in a dark frame; what is left over becomes a light mat.
void paintStripeIcon(QPainter& painter, int size)
{
    const int stripeWidth = (size - 2) / 10;
    const int inset = (size - 10 * stripeWidth) / 2;
    painter.fillRect(QRectF(0, 0, size, size), QColor(64, 64, 64));
    painter.fillRect(QRectF(1, 1, size - 2, size - 2), QColor(200, 200, 200));
    for (std::size_t i = 0; i < palette::kStripes.size(); ++i) {
        const QRectF stripe(inset + double(i) * stripeWidth, inset, stripeWidth, size - 2 * inset);
        painter.fillRect(stripe, QColor(palette::kStripes[i]));
    }
}

} // namespace

QImage goldTexture(int scale)
{
    constexpr QRgb dark = qRgb(153, 121, 71);
    constexpr QRgb light = qRgb(233, 218, 134);
    return stripedTexture(QSize(37, 25), scale, [](int row) {
        return shading::mix(dark, light, kGoldRows[static_cast<std::size_t>(row)]);
    });
}

QImage silverTexture(int scale)
{
    constexpr QRgb dark = qRgb(69, 61, 53);
    constexpr QRgb light = qRgb(121, 111, 101);
    return stripedTexture(QSize(45, 25), scale, [](int row) {
        if (row < kSilverShineRows)
            return qRgb(236, 222, 210);
        return shading::mix(dark, light, kSilverStripes[static_cast<std::size_t>(row - kSilverShineRows)]);
    });
}

QImage pointer(int size, int scale)
{
    const PointerShape shape = size >= 32 ? PointerShape { QPointF(16, 1), 15, 12, QRectF(11, 15, 10, 16) }
                                          : PointerShape { QPointF(8, 0), 8, 7, QRectF(5, 8, 6, 8) };
    QImage image = canvas::blank(QSize(size, size), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(shape.shaft, Qt::black);
    const QRectF inside = shape.shaft.adjusted(1, 0, -1, -1);
    const QRectF whiteHalf(inside.left(), inside.top(), inside.width() / 2, inside.height());
    painter.fillRect(inside, QColor(150, 150, 150));
    painter.fillRect(whiteHalf, Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({ shape.tip, QPointF(shape.tip.x() + shape.headHalfWidth, shape.headBase),
                                    QPointF(shape.tip.x() - shape.headHalfWidth, shape.headBase) }));
    painter.end();
    return canvas::finished(image);
}

QImage icon(int size, int scale)
{
    QImage image = canvas::blank(QSize(size, size), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size == 16)
        paintMeterIcon(painter);
    else
        paintStripeIcon(painter, size);
    painter.end();
    return canvas::finished(image);
}

} // namespace extras

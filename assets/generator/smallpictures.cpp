#include "smallpictures.h"

#include "canvas.h"
#include "palette.h"
#include "shading.h"
#include "shapes.h"

#include <QPen>

#include <array>
#include <functional>

namespace smallpictures {
namespace {

// Where each texture row lies between the dark and the light end of its metal, top row first.
constexpr std::array<double, 25> kGoldRows {1.0,  0.85, 0.95, 0.75, 0.6,  0.45, 0.35, 0.25, 0.15,
                                            0.05, 0.0,  0.1,  0.0,  0.08, 0.0,  0.12, 0.25, 0.4,
                                            0.55, 0.7,  0.8,  0.9,  1.0,  0.92, 1.0};
constexpr std::array<double, 21> kSilverStripes {0.3, 0.0, 0.6, 1.0, 0.4,  0.1, 0.0, 0.5, 0.8, 0.3, 0.0,
                                                 0.2, 0.7, 1.0, 0.5, 0.15, 0.0, 0.4, 0.9, 0.6, 0.2};
constexpr int kSilverShineRows = 4;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

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
    return drawPicture(size, scale, 0, [&](Canvas& canvas) {
        canvas.fill(shapes::rect(QRectF(QPointF(0, 0), size)),
                    [&rowColour](double, double y) { return rowColour(static_cast<int>(y)); });
    });
}

// A rounded box with a 1-pixel outline drawn over its edge.
void paintOutlinedBox(Canvas& canvas, const QRectF& box, double radius, QRgb face, QRgb outline)
{
    const QPainterPath shape = shapes::roundedRect(box, radius);
    canvas.fill(shape, face);
    canvas.stroke(shape, QPen(QColor(outline), 1));
}

// A meter with a white dial and a red needle above an olive resistor.
void paintMeterIcon(Canvas& canvas)
{
    paintOutlinedBox(canvas, QRectF(1.5, 0.5, 13, 9), 1.5, qRgb(160, 160, 160), qRgb(64, 64, 64));
    canvas.fill(shapes::rect(QRectF(3, 2, 10, 6)), kWhite);
    canvas.stroke(shapes::line(QPointF(8, 7.5), QPointF(11, 3)),
                  QPen(QColor(220, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    canvas.fill(shapes::rect(QRectF(0, 12, 16, 1)), qRgb(110, 110, 110));
    paintOutlinedBox(canvas, QRectF(3.5, 10.5, 9, 4), 1.5, qRgb(150, 142, 40), qRgb(70, 66, 20));
}

// Ten vertical stripes of whole pixels in a dark frame; what is left over becomes a light mat.
void paintStripeIcon(Canvas& canvas, int size)
{
    const int stripeWidth = (size - 2) / 10;
    const int inset = (size - 10 * stripeWidth) / 2;
    canvas.fill(shapes::rect(QRectF(0, 0, size, size)), qRgb(64, 64, 64));
    canvas.fill(shapes::rect(QRectF(1, 1, size - 2, size - 2)), qRgb(200, 200, 200));
    for (std::size_t i = 0; i < palette::kStripes.size(); ++i) {
        const QRectF stripe(inset + double(i) * stripeWidth, inset, stripeWidth, size - 2 * inset);
        canvas.fill(shapes::rect(stripe), palette::kStripes[i]);
    }
}

} // namespace

QImage goldTexture(int scale)
{
    constexpr QRgb dark = qRgb(153, 121, 71);
    constexpr QRgb light = palette::rgb(picturecolours::kGoldBright);
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
            return palette::rgb(picturecolours::kSilverBright);
        return shading::mix(dark, light, kSilverStripes[static_cast<std::size_t>(row - kSilverShineRows)]);
    });
}

QImage pointer(int size, int scale)
{
    const PointerShape shape = size >= 32 ? PointerShape {QPointF(16, 1), 15, 12, QRectF(11, 15, 10, 16)}
                                          : PointerShape {QPointF(8, 0), 8, 7, QRectF(5, 8, 6, 8)};
    return drawPicture(QSize(size, size), scale, 0, [&shape](Canvas& canvas) {
        canvas.fill(shapes::rect(shape.shaft), kBlack);
        const QRectF inside = shape.shaft.adjusted(1, 0, -1, -1);
        const QRectF whiteHalf(inside.left(), inside.top(), inside.width() / 2, inside.height());
        canvas.fill(shapes::rect(inside), qRgb(150, 150, 150));
        canvas.fill(shapes::rect(whiteHalf), kWhite);
        canvas.fill(shapes::polygon({shape.tip, QPointF(shape.tip.x() + shape.headHalfWidth, shape.headBase),
                                     QPointF(shape.tip.x() - shape.headHalfWidth, shape.headBase)}),
                    kBlack);
    });
}

QImage icon(int size, int scale)
{
    return drawPicture(QSize(size, size), scale, 0, [size](Canvas& canvas) {
        if (size == 16)
            paintMeterIcon(canvas);
        else
            paintStripeIcon(canvas, size);
    });
}

} // namespace smallpictures

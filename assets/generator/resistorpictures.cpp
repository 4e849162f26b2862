#include "resistorpictures.h"

#include "canvas.h"
#include "palette.h"
#include "shading.h"
#include "shapes.h"

#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace resistor {
namespace {

constexpr QSize kSliceSize(21, 95);
constexpr double kBandLeft = 2.0;
constexpr double kBandWidth = 10.0;
// The band follows the curve of the body: its ends lie this much further right than its middle.
constexpr double kBandCurve = 6.0;
// Rows either side of the middle over which the band runs straight.
constexpr double kStraightBand = 4.0;

constexpr double kCapTop = 3.0;
constexpr double kCapBottom = 82.0;

// Where an end sits in its picture: x of the cap's tip, which way the body runs from it, and the lead.
struct EndPlacement
{
    QSize size;
    double tipX;
    int towardsBody;
    QRectF lead;
};

double bandLeftEdge(double y)
{
    const double reach = shading::kBodyMiddle - shading::kBodyTop - kStraightBand;
    const double bend = std::max(0.0, std::abs(y - shading::kBodyMiddle) - kStraightBand) / reach;
    return kBandLeft + kBandCurve * bend * bend;
}

// Share of the device pixel spanning [x0, x1) that a band starting at left covers.
double bandCoverage(double x0, double x1, double left)
{
    const double overlap = std::min(x1, left + kBandWidth) - std::max(x0, left);
    return std::clamp(overlap / (x1 - x0), 0.0, 1.0);
}

// An end cap measured from its tip: a bulge over rows 3-81 that a short neck narrows to the body's rows,
// which then run on up to bodyLength, the picture's edge that meets the band slices.
QPainterPath capOutline(double bodyLength)
{
    const double top = shading::kBodyTop;
    const double bottom = shading::kBodyBottom + 1;
    const double middle = (kCapTop + kCapBottom) / 2;
    QPainterPath path(QPointF(bodyLength, top));
    path.lineTo(58, top);
    path.cubicTo(50, top, 50, kCapTop, 42, kCapTop);
    path.lineTo(24, kCapTop);
    path.cubicTo(5, kCapTop, 0, 20, 0, middle);
    path.cubicTo(0, 65, 5, kCapBottom, 24, kCapBottom);
    path.lineTo(42, kCapBottom);
    path.cubicTo(50, kCapBottom, 50, bottom, 58, bottom);
    path.lineTo(bodyLength, bottom);
    path.closeSubpath();
    return path;
}

// The bulge is a fatter cylinder with its own light, its rounded tip turns away from the light, and
// across the neck its colours blend into the body's so the join with the band slices is invisible.
QRgb capColour(double fromTip, double y)
{
    const double bodySpan = shading::kBodyBottom + 1 - shading::kBodyTop;
    const double bulgeRow = shading::kBodyTop + (y - kCapTop) * bodySpan / (kCapBottom - kCapTop);
    const double rim = std::max(0.0, 1.0 - fromTip / 16.0);
    const QRgb bulge = shading::mix(shading::body(bulgeRow), shading::kBodyShadow, 0.8 * rim * rim);
    return shading::mix(bulge, shading::body(y), shading::smoothStep(40.0, 56.0, fromTip));
}

QImage endPicture(const EndPlacement& end, int scale)
{
    return drawPicture(end.size, scale, 0, [&end](Canvas& canvas) {
        canvas.fill(shapes::rect(end.lead), [](double, double y) { return shading::lead(y); });
        const double bodyLength = end.towardsBody > 0 ? end.size.width() - end.tipX : end.tipX;
        const QTransform toPicture(end.towardsBody, 0, 0, 1, end.tipX, 0);
        canvas.fill(toPicture.map(capOutline(bodyLength)),
                    [&end](double x, double y) { return capColour(end.towardsBody * (x - end.tipX), y); });
    });
}

} // namespace

BandPaint solidBand(QRgb colour)
{
    return [colour](int) { return colour; };
}

BandPaint goldBand()
{
    // Metallic paint: pairs of rows alternate between two gold streaks.
    return [](int row) {
        return palette::rgb((row / 2) % 2 == 0 ? picturecolours::kGoldDeep : picturecolours::kGoldBright);
    };
}

BandPaint silverBand()
{
    // Dark silver with a bright streak every seven rows, softened on the row after it.
    return [](int row) {
        switch (row % 7) {
        case 2:
            return palette::rgb(picturecolours::kSilverBright);
        case 3:
            return palette::rgb(picturecolours::kSilverSoft);
        default:
            return palette::rgb(picturecolours::kSilverDark);
        }
    };
}

QImage bandSlice(const BandPaint& paint, int scale)
{
    // The body's rows, lit by row alone; the band covers a share of each device pixel's width.
    const QRectF bodyRows(0, shading::kBodyTop, kSliceSize.width(),
                          shading::kBodyBottom + 1 - shading::kBodyTop);
    const double halfPixel = 0.5 / scale;
    return drawPicture(kSliceSize, scale, 0, [&](Canvas& canvas) {
        canvas.fill(shapes::rect(bodyRows), [&paint, halfPixel](double x, double y) {
            const QRgb body = shading::body(y);
            if (!paint)
                return body;
            const QRgb band = shading::band(paint(static_cast<int>(y)), y);
            return shading::mix(body, band, bandCoverage(x - halfPixel, x + halfPixel, bandLeftEdge(y)));
        });
    });
}

QImage leftEnd(int scale)
{
    return endPicture({QSize(127, 95), 62.0, 1, QRectF(8, 38, 56, 9)}, scale);
}

QImage rightEnd(int scale)
{
    return endPicture({QSize(138, 95), 76.0, -1, QRectF(74, 38, 60, 9)}, scale);
}

} // namespace resistor

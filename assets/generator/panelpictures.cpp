#include "panelpictures.h"

#include "canvas.h"
#include "lettering.h"
#include "palette.h"
#include "shading.h"
#include "shapes.h"

#include <QPen>
#include <QTransform>

#include <array>
#include <utility>

namespace panel {
namespace {

constexpr QRgb kPanel = qRgb(253, 253, 253);
constexpr QRgb kHeaderLeft = qRgb(221, 221, 221);
constexpr QRgb kHeaderRight = qRgb(93, 93, 93);
constexpr QRgb kCloseFrame = qRgb(105, 105, 105);
constexpr QRgb kCloseTop = qRgb(236, 141, 118);
constexpr QRgb kCloseBottom = qRgb(224, 85, 50);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// A ramp from the colour at `from` to the one at `to` along one axis, padded beyond both ends.
QRgb along(double at, double from, double to, QRgb first, QRgb last)
{
    const std::array<shading::Stop, 2> stops {{{from, first}, {to, last}}};
    return shading::ramp(stops, at);
}

// A horizontal ramp whose first and last pixel columns carry exactly the end colours at either scale:
// the ramp lies strictly between those columns and pads over them.
Canvas::Shader columnRamp(double firstColumn, double lastColumn, QRgb left, QRgb right)
{
    return [=](double x, double) { return along(x, firstColumn + 1, lastColumn, left, right); };
}

// A small resistor coded brown, black, red, gold (1 kilo-ohm) as the program's mark in the header.
void paintLogo(Canvas& canvas)
{
    const QPainterPath body = shapes::roundedRect(QRectF(155, 15, 88, 28), 14);
    canvas.fill(body.translated(2, 2), qRgba(0, 0, 0, 70));
    canvas.fill(shapes::rect(QRectF(127, 27.5, 145, 3)), qRgb(150, 152, 160));
    canvas.fill(shapes::rect(QRectF(127, 27.5, 145, 1)), qRgb(200, 202, 208));

    canvas.fill(body, [](double, double y) {
        constexpr std::array<shading::Stop, 4> light {{{15.0, qRgb(200, 150, 100)},
                                                       {23.4, qRgb(225, 178, 122)},
                                                       {33.2, qRgb(162, 113, 79)},
                                                       {43.0, qRgb(128, 86, 58)}}};
        return shading::ramp(light, y);
    });

    const auto& bands = picturecolours::kBandColours;
    const std::array<std::pair<double, QRgb>, 4> marks {{{172, palette::rgb(bands[1].rgb)},
                                                         {187, palette::rgb(bands[0].rgb)},
                                                         {202, palette::rgb(bands[2].rgb)},
                                                         {222, palette::rgb(picturecolours::kGoldDeep)}}};
    for (const auto& [left, colour] : marks)
        canvas.fill(body.intersected(shapes::rect(QRectF(left, 15, 8, 28))), colour);
    canvas.stroke(body, QPen(QColor(70, 45, 30), 1));
}

// The display's grey frame and its screen, each rounded and outlined in black; the thumbnail repeats
// it in miniature.
void paintDisplay(Canvas& canvas, const QRectF& frame, double frameRadius, const QRectF& screen,
                  double screenRadius)
{
    const QPainterPath outer = shapes::roundedRect(frame, frameRadius);
    canvas.fill(outer, palette::kDisplayFrame);
    canvas.stroke(outer, QPen(Qt::black, 1));
    const QPainterPath inner = shapes::roundedRect(screen, screenRadius);
    canvas.fill(inner, palette::kScreen);
    canvas.stroke(inner, QPen(Qt::black, 1));
}

} // namespace

QImage background(int scale)
{
    const auto paint = [](Canvas& canvas) {
        // The outline is the outer shape painted black; the inner shape, 3 pixels in, covers all but
        // its rim.
        canvas.fill(shapes::roundedRect(QRectF(3, 2, 394, 395), 30), kBlack);
        const QPainterPath inner = shapes::roundedRect(QRectF(6, 5, 388, 389), 27);
        canvas.fill(inner, kPanel);
        canvas.fill(inner.intersected(shapes::rect(QRectF(6, 5, 388, 83))),
                    columnRamp(6, 393, kHeaderLeft, kHeaderRight));
        canvas.fill(shapes::rect(QRectF(6, 88, 388, 1)), kBlack);
        paintLogo(canvas);
    };
    return drawPicture(QSize(400, 400), scale, 0, paint, Edges::Soft);
}

QImage closeButton(int scale)
{
    return drawPicture(QSize(23, 23), scale, kCloseFrame, [](Canvas& canvas) {
        canvas.fill(shapes::rect(QRectF(1, 1, 21, 21)), kWhite);
        // As in the header, the ramp lies between the face's first and last rows so they keep the
        // exact colours.
        canvas.fill(shapes::roundedRect(QRectF(2, 2, 19, 19), 2),
                    [](double, double y) { return along(y, 3, 20, kCloseTop, kCloseBottom); });
        const QPen pen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap);
        canvas.stroke(shapes::line(QPointF(7.5, 7.5), QPointF(15.5, 15.5)), pen);
        canvas.stroke(shapes::line(QPointF(15.5, 7.5), QPointF(7.5, 15.5)), pen);
    });
}

QImage thumbnail(int scale)
{
    return drawPicture(QSize(109, 22), scale, kWhite, [](Canvas& canvas) {
        paintDisplay(canvas, QRectF(1.5, 1.5, 38, 19), 4, QRectF(4.5, 4.5, 32, 13), 2);
        canvas.fill(lettering::textInBox(QStringLiteral("0.00\u03a9"), lettering::font(20, QFont::Bold),
                                         QRectF(8, 7.5, 25, 7)),
                    kBlack);

        // An arrow from the display to the colours it turns into.
        canvas.fill(shapes::rect(QRectF(44, 10, 12, 2)), kBlack);
        canvas.fill(shapes::polygon({QPointF(55, 5.5), QPointF(62, 11), QPointF(55, 16.5)}), kBlack);

        for (std::size_t i = 0; i < palette::kStripes.size(); ++i)
            canvas.fill(shapes::rect(QRectF(66 + 4.0 * i, 3, 4, 16)), palette::kStripes[i]);
        canvas.stroke(shapes::rect(QRectF(65.5, 2.5, 41, 17)), QPen(Qt::black, 1));
    });
}

QImage bracket(int scale)
{
    return drawPicture(QSize(180, 39), scale, 0, [](Canvas& canvas) {
        // Each side: a 2-pixel stroke down columns 5-6 (mirrored: 173-174) that turns into rows 30-31.
        QPainterPath side(QPointF(6, 4));
        side.lineTo(6, 25);
        side.quadTo(6, 31, 12, 31);
        side.lineTo(24, 31);
        const QTransform mirror(-1, 0, 0, 1, 180, 0);
        const QPen pen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap);
        canvas.stroke(side, pen);
        canvas.stroke(mirror.map(side), pen);

        const QPainterPath words = lettering::textInBox(
            QStringLiteral("TIPO RESISTENZA"), lettering::font(30, QFont::Bold), QRectF(29, 25, 121, 10));
        canvas.fill(words.translated(1, 1), qRgb(150, 150, 150));
        canvas.fill(words, kBlack);
    });
}

QImage display(int scale)
{
    return drawPicture(QSize(277, 87), scale, kWhite, [](Canvas& canvas) {
        paintDisplay(canvas, QRectF(0.5, 0.5, 276, 86), 14, QRectF(12.5, 12.5, 252, 62), 8);
    });
}

} // namespace panel

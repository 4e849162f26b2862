#include "panelpictures.h"

#include "canvas.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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

QPainterPath roundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath rect(const QRectF& area)
{
    QPainterPath path;
    path.addRect(area);
    return path;
}

// A horizontal gradient whose first and last pixel columns carry exactly the end colours at either
// scale: the ramp lies strictly between those columns and pads over them.
QLinearGradient columnGradient(double firstColumn, double lastColumn, QRgb left, QRgb right)
{
    QLinearGradient gradient(firstColumn + 1, 0, lastColumn, 0);
    gradient.setColorAt(0, QColor(left));
    gradient.setColorAt(1, QColor(right));
    return gradient;
}

// A small resistor coded brown, black, red, gold (1 kilo-ohm) as the program's mark in the header.
void paintLogo(QPainter& painter)
{
    const QPainterPath body = roundedRect(QRectF(155, 15, 88, 28), 14);
    painter.fillPath(body.translated(2, 2), QColor(0, 0, 0, 70));
    painter.fillRect(QRectF(127, 27.5, 145, 3), QColor(150, 152, 160));
    painter.fillRect(QRectF(127, 27.5, 145, 1), QColor(200, 202, 208));

    QLinearGradient light(0, 15, 0, 43);
    light.setColorAt(0, QColor(200, 150, 100));
    light.setColorAt(0.3, QColor(225, 178, 122));
    light.setColorAt(0.65, QColor(162, 113, 79));
    light.setColorAt(1, QColor(128, 86, 58));
    painter.fillPath(body, light);

    painter.save();
    painter.setClipPath(body);
    const std::array<std::pair<double, QRgb>, 4> bands { { { 172, qRgb(104, 57, 23) },
                                                           { 187, qRgb(13, 13, 13) },
                                                           { 202, qRgb(204, 34, 33) },
                                                           { 222, qRgb(211, 195, 116) } } };
    for (const auto& [left, colour] : bands)
        painter.fillRect(QRectF(left, 15, 8, 28), QColor(colour));
    painter.restore();
    painter.strokePath(body, QPen(QColor(70, 45, 30), 1));
}

// The display's grey frame and its screen, each rounded and outlined in black; the thumbnail repeats
// it in miniature.
void drawDisplay(QPainter& painter, const QRectF& frame, qreal frameRadius, const QRectF& screen,
                 qreal screenRadius)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(palette::kDisplayFrame));
    painter.drawRoundedRect(frame, frameRadius, frameRadius);
    painter.setBrush(QColor(palette::kScreen));
    painter.drawRoundedRect(screen, screenRadius, screenRadius);
}

} // namespace

QImage background(int scale)
{
    QImage image = canvas::blank(QSize(400, 400), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The outline is the outer shape painted black; the inner shape, 3 pixels in, covers all but its rim.
    painter.fillPath(roundedRect(QRectF(3, 2, 394, 395), 30), Qt::black);
    const QPainterPath inner = roundedRect(QRectF(6, 5, 388, 389), 27);
    painter.fillPath(inner, QColor(kPanel));
    painter.fillPath(inner.intersected(rect(QRectF(6, 5, 388, 83))),
                     columnGradient(6, 393, kHeaderLeft, kHeaderRight));
    painter.fillRect(QRectF(6, 88, 388, 1), Qt::black);
    paintLogo(painter);
    painter.end();
    return canvas::finished(image);
}

QImage closeButton(int scale)
{
    QImage image = canvas::blank(QSize(23, 23), scale, QColor(kCloseFrame));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(1, 1, 21, 21), Qt::white);
    // As in the header, the ramp lies between the face's first and last rows so they keep the exact colours.
    QLinearGradient face(0, 3, 0, 20);
    face.setColorAt(0, QColor(kCloseTop));
    face.setColorAt(1, QColor(kCloseBottom));
    painter.fillPath(roundedRect(QRectF(2, 2, 19, 19), 2), face);
    painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7.5, 7.5), QPointF(15.5, 15.5));
    painter.drawLine(QPointF(15.5, 7.5), QPointF(7.5, 15.5));
    painter.end();
    return canvas::finished(image);
}

QImage thumbnail(int scale)
{
    QImage image = canvas::blank(QSize(109, 22), scale, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawDisplay(painter, QRectF(1.5, 1.5, 38, 19), 4, QRectF(4.5, 4.5, 32, 13), 2);
    painter.fillPath(
        canvas::textInBox(QStringLiteral("0.00\u03a9"), canvas::font(20, QFont::Bold), QRectF(8, 7.5, 25, 7)),
        Qt::black);

    // An arrow from the display to the colours it turns into.
    painter.fillRect(QRectF(44, 10, 12, 2), Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({ QPointF(55, 5.5), QPointF(62, 11), QPointF(55, 16.5) }));

    for (std::size_t i = 0; i < palette::kStripes.size(); ++i)
        painter.fillRect(QRectF(66 + 4.0 * i, 3, 4, 16), QColor(palette::kStripes[i]));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(65.5, 2.5, 41, 17));
    painter.end();
    return canvas::finished(image);
}

QImage bracket(int scale)
{
    QImage image = canvas::blank(QSize(180, 39), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Each side: a 2-pixel stroke down columns 5-6 (mirrored: 173-174) that turns into rows 30-31.
    QPainterPath side(QPointF(6, 4));
    side.lineTo(6, 25);
    side.quadTo(6, 31, 12, 31);
    side.lineTo(24, 31);
    const QTransform mirror(-1, 0, 0, 1, 180, 0);
    const QPen stroke(Qt::black, 2, Qt::SolidLine, Qt::FlatCap);
    painter.strokePath(side, stroke);
    painter.strokePath(mirror.map(side), stroke);

    const QPainterPath words = canvas::textInBox(QStringLiteral("TIPO RESISTENZA"),
                                                 canvas::font(30, QFont::Bold), QRectF(29, 25, 121, 10));
    painter.fillPath(words.translated(1, 1), QColor(150, 150, 150));
    painter.fillPath(words, Qt::black);
    painter.end();
    return canvas::finished(image);
}

QImage display(int scale)
{
    QImage image = canvas::blank(QSize(277, 87), scale, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawDisplay(painter, QRectF(0.5, 0.5, 276, 86), 14, QRectF(12.5, 12.5, 252, 62), 8);
    painter.end();
    return canvas::finished(image);
}

} // namespace panel

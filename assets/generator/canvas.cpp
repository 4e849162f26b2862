#include "canvas.h"

#include "palette.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>

namespace canvas {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

} // namespace

QImage blank(QSize logicalSize, int scale, QColor ground)
{
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(ground);
    return image;
}

QImage finished(const QImage& drawn)
{
    QImage out = drawn.convertToFormat(QImage::Format_ARGB32);
    bool anyTransparent = false;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                line[x] = 0;
                anyTransparent = true;
                continue;
            }
            line[x] = qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
            if (line[x] == palette::kKey)
                line[x] = qRgb(127, 127, 1);
        }
    }
    return anyTransparent ? out : out.convertToFormat(QImage::Format_RGB32);
}

void fillShaded(QImage& image, const QPainterPath& shape, const Shader& shader)
{
    const double scale = image.devicePixelRatio();
    QImage coverage(image.size(), QImage::Format_Alpha8);
    coverage.setDevicePixelRatio(scale);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, Qt::black);
    }
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::transparent);
    for (int py = 0; py < layer.height(); ++py) {
        const uchar* alpha = coverage.constScanLine(py);
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(py));
        for (int px = 0; px < layer.width(); ++px) {
            if (alpha[px] == 0)
                continue;
            const QRgb colour = shader((px + 0.5) / scale, (py + 0.5) / scale);
            line[px] = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha[px]));
        }
    }
    QPainter painter(&image);
    painter.drawImage(QPointF(0, 0), layer);
}

QPainterPath textInBox(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont result(kFamily);
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

bool fontAvailable()
{
    return QFontInfo(font(12)).family() == kFamily && QFontInfo(font(12, QFont::Bold)).family() == kFamily;
}

} // namespace canvas

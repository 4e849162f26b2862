#include "lettering.h"

#include <QFontInfo>
#include <QTransform>

namespace lettering {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

} // namespace

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

} // namespace lettering

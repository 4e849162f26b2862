#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// The lettering of the pictures, always as outlines so that it is filled like any other shape.
namespace lettering {

// The outline of text stretched to fill box exactly, so that the lettering lands on the same pixels
// whatever the font's own metrics are.
QPainterPath textInBox(const QString& text, const QFont& font, const QRectF& box);

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal);

// False when the font the pictures are drawn with is not installed: another one would change them.
bool fontAvailable();

} // namespace lettering

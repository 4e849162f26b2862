#pragma once

#include <QImage>
#include <QRgb>

#include <functional>

// The drawn resistor: its two ends and the band slices that the window lays between them.
namespace resistor {

// A band's colour on each window row, before the body's light falls on it.
using BandPaint = std::function<QRgb(int row)>;

BandPaint solidBand(QRgb colour);
BandPaint goldBand();
BandPaint silverBand();

// A slice of the body with one band on it; an empty paint gives the plain body of the empty band.
QImage bandSlice(const BandPaint& paint, int scale);

QImage leftEnd(int scale);
QImage rightEnd(int scale);

} // namespace resistor

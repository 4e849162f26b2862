#pragma once

#include "palette.h"

#include <QRgb>

#include <span>

// Colour ramps for the drawn resistor. The body is lit like a cylinder, so its colour depends on the
// row alone; the ends and the band slices share these functions and therefore join without a seam.
namespace shading {

struct Knot
{
    double at;
    double value;
};

// Piecewise-linear through the knots (sorted by at), constant beyond the first and last.
double interpolate(std::span<const Knot> knots, double at);

QRgb mix(QRgb from, QRgb to, double amount);

double smoothStep(double edge0, double edge1, double x);

struct Stop
{
    double at;
    QRgb colour;
};

// A colour ramp through the stops (sorted by at), padded with the end colours beyond them.
QRgb ramp(std::span<const Stop> stops, double at);

inline constexpr QRgb kBodyBase = palette::rgb(picturecolours::kBody);
inline constexpr QRgb kBodyLight = qRgb(218, 168, 112);
inline constexpr QRgb kBodyShadow = qRgb(156, 107, 75);

// The first and last window rows of the straight body (inclusive) and its middle.
inline constexpr int kBodyTop = 9;
inline constexpr int kBodyBottom = 75;
inline constexpr double kBodyMiddle = (kBodyTop + kBodyBottom + 1) / 2.0;

// Body colour at window row y (a fraction inside a pixel at scale 2).
QRgb body(double y);

// A band colour with the body's light on it; unchanged on the middle rows.
QRgb band(QRgb colour, double y);

// The grey lead wire at window row y.
QRgb lead(double y);

} // namespace shading

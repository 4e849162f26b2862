#include "shading.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace shading {
namespace {

constexpr QRgb kLeadLight = qRgb(189, 191, 199);
constexpr QRgb kLeadShadow = qRgb(159, 164, 174);

// Positive values light the body towards kBodyLight, negative ones darken it towards kBodyShadow:
// a thin rim of reflected light at both edges, the highlight around rows 25-35, and rows 37-48 at
// exactly the base colour, where the band colours must come out unaltered.
constexpr std::array<Knot, 13> kBodyLightProfile {{{9.0, 0.45},
                                                   {11.0, 0.15},
                                                   {14.0, 0.05},
                                                   {20.0, 0.45},
                                                   {25.0, 0.9},
                                                   {29.0, 1.0},
                                                   {33.0, 0.55},
                                                   {37.0, 0.0},
                                                   {49.0, 0.0},
                                                   {58.0, -0.6},
                                                   {68.0, -1.0},
                                                   {72.0, -0.6},
                                                   {76.0, 0.35}}};

constexpr std::array<Knot, 5> kLeadProfile {
    {{38.0, 0.2}, {40.0, 1.0}, {41.5, 1.0}, {44.0, 0.45}, {47.0, 0.0}}};

double bodyLight(double y)
{
    return interpolate(kBodyLightProfile, y);
}

} // namespace

double interpolate(std::span<const Knot> knots, double at)
{
    if (at <= knots.front().at)
        return knots.front().value;
    for (std::size_t i = 1; i < knots.size(); ++i) {
        if (at <= knots[i].at) {
            const Knot& a = knots[i - 1];
            const Knot& b = knots[i];
            return a.value + (b.value - a.value) * (at - a.at) / (b.at - a.at);
        }
    }
    return knots.back().value;
}

QRgb mix(QRgb from, QRgb to, double amount)
{
    const auto channel = [amount](int a, int b) { return qRound(a + (b - a) * amount); };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

double smoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

QRgb ramp(std::span<const Stop> stops, double at)
{
    if (at <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (at <= stops[i].at) {
            const Stop& a = stops[i - 1];
            const Stop& b = stops[i];
            return mix(a.colour, b.colour, (at - a.at) / (b.at - a.at));
        }
    }
    return stops.back().colour;
}

QRgb body(double y)
{
    const double light = bodyLight(y);
    return light >= 0 ? mix(kBodyBase, kBodyLight, light) : mix(kBodyBase, kBodyShadow, -light);
}

QRgb band(QRgb colour, double y)
{
    // Paint reflects less than the bare body: a softer highlight and a lighter shadow.
    const double light = bodyLight(y);
    return light >= 0 ? mix(colour, qRgb(255, 255, 255), 0.4 * light)
                      : mix(colour, qRgb(0, 0, 0), -0.12 * light);
}

QRgb lead(double y)
{
    return mix(kLeadShadow, kLeadLight, interpolate(kLeadProfile, y));
}

} // namespace shading

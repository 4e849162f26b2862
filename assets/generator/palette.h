#pragma once

#include "picturecolours.h"

#include <QRgb>

#include <array>

// Colours that more than one picture shares, as the generator draws with them.
namespace palette {

constexpr QRgb rgb(picturecolours::Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

inline constexpr QRgb kKey = rgb(picturecolours::kKey);

inline constexpr QRgb kScreen = qRgb(112, 124, 108);
inline constexpr QRgb kDisplayFrame = qRgb(204, 204, 204);

// The stripes of the program icon, also repeated in miniature on the value-to-colours thumbnail.
inline constexpr std::array<QRgb, 10> kStripes {
    qRgb(0, 0, 0),   qRgb(128, 0, 0), qRgb(255, 0, 0),   qRgb(255, 170, 37),  qRgb(255, 255, 0),
    qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(220, 0, 220), qRgb(128, 128, 128), qRgb(255, 255, 255)};

} // namespace palette

#pragma once

#include <QLine>
#include <QRect>

// The window is laid out in twips, 15 to the pixel at 96 dots per inch.
namespace twips {

constexpr int toPixels(int twips)
{
    return (2 * twips + 15) / 30; // rounded to the nearest pixel
}

inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QLine line(int x1, int y1, int x2, int y2)
{
    return {toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2)};
}

} // namespace twips

#pragma once

#include <QImage>

// The pictures of the window's panel: background, close button, value-to-colours thumbnail,
// resistor-type bracket and display.
namespace panel {

QImage background(int scale);
QImage closeButton(int scale);
QImage thumbnail(int scale);
QImage bracket(int scale);
QImage display(int scale);

} // namespace panel

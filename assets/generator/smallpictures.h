#pragma once

#include <QImage>

// The palette's metal textures, the custom mouse pointer and the program icon.
namespace smallpictures {

QImage goldTexture(int scale);
QImage silverTexture(int scale);

// size is 32 or 16: each has its own drawing so that the small one stays legible.
QImage pointer(int size, int scale);

// size is 16 (a meter above a resistor), 32 or 48 (the colour stripes).
QImage icon(int size, int scale);

} // namespace smallpictures

#pragma once

#include "colours.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

// The program's pictures, embedded as resources. Each comes at 1x and 2x; the layout stays in 1x pixels.
namespace pictures {

QPixmap load(const QString& name);
// Starts reading a picture on another thread, for a control that can wait for it.
std::future<QImage> loadLater(const QString& name);
QPixmap band(colourcode::Colour colour);
QIcon programIcon();
QCursor bandPointer();

} // namespace pictures

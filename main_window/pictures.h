#pragma once

#include "colours.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, embedded as resources. Each comes at 1x and 2x; the layout stays in 1x pixels.
namespace pictures {

QPixmap load(const QString& name);
QPixmap band(colourcode::Colour colour);
QIcon programIcon();
QCursor bandPointer();

} // namespace pictures

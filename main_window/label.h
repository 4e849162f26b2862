#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

// How the window's labels are designed: transparent, text laid out from the top of the box.
struct LabelDesign
{
    const char* name;
    QRect place;
    QString caption;
    const char* family;
    int pixelSize;
    QFont::Weight weight;
    Qt::Alignment alignment;
    QColor colour = Qt::black;
};

QLabel* makeLabel(const LabelDesign& design, QWidget* parent);

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

// A font of one of the faces the windows were drawn with ("Arial", "Arial Black", "Verdana",
// "MS Sans Serif"), drawn with a free face of the same widths, so that texts keep the widths the layout
// was made for on every machine.
QFont designFont(const char* family, int pixelSize, QFont::Weight weight = QFont::Normal);

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

// Whether text in font, laid out from the top of a box of that size, stays inside it.
bool textFits(const QFont& font, const QString& text, const QSize& box);

// Gives the label the largest pixel size up to the design's at which its text fits its box narrowed to
// width pixels, so that a wider or taller face than the design's shrinks the text instead of clipping it.
void fitText(QLabel* label, int designPixelSize, int width);

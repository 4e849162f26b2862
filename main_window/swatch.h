#pragma once

#include "colours.h"
#include "imagecontrol.h"

#include <QColor>

class QLabel;

// One colour of the palette: a picture box in its colour (or texture) with the X that marks the
// colour refused by the selected band.
class Swatch : public ImageControl
{
    Q_OBJECT

public:
    struct Design
    {
        colourcode::Colour colour;
        const char* name;
        int left; // twips
        QColor back;
        const char* picture; // texture, or nullptr
        const char* toolTip;
        const char* xName;
        QColor xColour;
    };

    Swatch(const Design& design, QWidget* parent);

    colourcode::Colour colour() const { return m_colour; }
    QLabel* refusedMark() const { return m_refusedMark; }

private:
    colourcode::Colour m_colour;
    QLabel* m_refusedMark;
};

#pragma once

#include "display.h"
#include "imagecontrol.h"

class QLabel;

// The display under the resistor: value and unit on the left, tolerance and coefficient on the right.
class DisplayPanel : public ImageControl
{
    Q_OBJECT

public:
    explicit DisplayPanel(QWidget* parent);

    // Writes the texts the core produced; a text it left out keeps the label as it was.
    void showTexts(const colourcode::DisplayTexts& texts);

    // The grey-green screen inside the display's frame, in the display's pixels: every text stays on it.
    static const QRect kScreen;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitTexts();

    QLabel* m_value;
    QLabel* m_unit;
    QLabel* m_tolerance;
    QLabel* m_coefficient;
};

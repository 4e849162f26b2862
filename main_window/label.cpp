#include "label.h"

#include <QLabel>

QLabel* makeLabel(const LabelDesign& design, QWidget* parent)
{
    auto* label = new QLabel(design.caption, parent);
    label->setObjectName(QLatin1String(design.name));
    label->setGeometry(design.place);
    QFont font(QLatin1String(design.family));
    font.setPixelSize(design.pixelSize);
    font.setWeight(design.weight);
    if (design.pixelSize < 10)
        font.setLetterSpacing(QFont::PercentageSpacing, 92); // Verdana's stand-in runs a little wide
    label->setFont(font);
    label->setAlignment(design.alignment | Qt::AlignTop);
    // The same colour in every group, so that a label on a disabled control does not turn grey.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, design.colour);
    label->setPalette(palette);
    return label;
}

#include "swatch.h"

#include "label.h"
#include "pictures.h"
#include "twips.h"

#include <QLabel>

Swatch::Swatch(const Design& design, QWidget* parent)
    : ImageControl(QLatin1String(design.name),
                   design.picture ? pictures::load(QLatin1String(design.picture)) : QPixmap(), parent)
    , m_colour(design.colour)
    , m_refusedMark(makeLabel({design.xName, twips::rect(120, 0, 180, 270), QStringLiteral("X"),
                               "Arial Black", 13, QFont::Black, Qt::AlignLeft, design.xColour},
                              this))
{
    setBackColour(design.back);
    setToolTip(QLatin1String(design.toolTip));
    setAccessibleName(QLatin1String(design.toolTip));

    m_refusedMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_refusedMark->hide();
}

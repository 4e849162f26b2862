#include "swatch.h"

#include "pictures.h"
#include "twips.h"

#include <QLabel>
#include <QPainter>

Swatch::Swatch(const Design& design, QWidget* parent)
    : ImageControl(QLatin1String(design.name),
                   design.picture ? pictures::load(QLatin1String(design.picture)) : QPixmap(), parent)
    , m_colour(design.colour)
    , m_back(design.back)
    , m_refusedMark(new QLabel(QStringLiteral("X"), this))
{
    setToolTip(QLatin1String(design.toolTip));
    setAccessibleName(QLatin1String(design.toolTip));

    m_refusedMark->setObjectName(QLatin1String(design.xName));
    m_refusedMark->setGeometry(twips::rect(120, 0, 180, 270));
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(13);
    font.setWeight(QFont::Black);
    m_refusedMark->setFont(font);
    // The same colour in every group: a refused swatch is disabled but must not look greyed.
    QPalette palette = m_refusedMark->palette();
    palette.setColor(QPalette::WindowText, design.xColour);
    m_refusedMark->setPalette(palette);
    m_refusedMark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_refusedMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_refusedMark->hide();
}

void Swatch::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_back);
    }
    ImageControl::paintEvent(event);
}

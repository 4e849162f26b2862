#include "displaypanel.h"

#include "label.h"
#include "pictures.h"
#include "twips.h"
#include "uitext.h"

#include <QLabel>
#include <QPainter>

DisplayPanel::DisplayPanel(QWidget* parent)
    : ImageControl(QStringLiteral("Picture13"), pictures::load(QStringLiteral("display")), parent)
{
    setGeometry(twips::rect(930, 4440, 4155, 1305));
    constexpr auto bold = QFont::Bold;
    constexpr auto regular = QFont::Normal;
    makeLabel({"Label6", twips::rect(2400, 210, 870, 150), "TOLLERANZA", "Verdana", 8, bold, Qt::AlignLeft},
              this);
    makeLabel({"Label5", twips::rect(2400, 645, 1470, 150), "COEFF. TEMPERATURA", "Verdana", 8, bold,
               Qt::AlignLeft},
              this);
    // The omega stands in for the "W" that the design draws in a symbol face.
    m_unit = makeLabel({"lblOhm", twips::rect(1560, 600, 615, 495), uitext::unitForDisplay("W"), "Arial", 21,
                        bold, Qt::AlignRight},
                       this);
    m_value = makeLabel(
        {"lblValore", twips::rect(240, 360, 1455, 495), "0.00 ", "Arial", 27, regular, Qt::AlignRight}, this);
    m_tolerance = makeLabel(
        {"lbltoll", twips::rect(2350, 310, 1575, 255), "\u00b1", "Arial", 16, regular, Qt::AlignLeft}, this);
    m_coefficient = makeLabel(
        {"lblcoeff", twips::rect(2350, 760, 1695, 375), "--- ppm/k", "Arial", 21, regular, Qt::AlignLeft},
        this);
}

void DisplayPanel::showTexts(const colourcode::DisplayTexts& texts)
{
    if (texts.unit)
        m_unit->setText(uitext::unitForDisplay(*texts.unit));
    if (texts.value)
        m_value->setText(uitext::fromCore(*texts.value));
    if (texts.coefficient)
        m_coefficient->setText(uitext::fromCore(*texts.coefficient));
    m_tolerance->setText(uitext::fromCore(texts.tolerance));
}

void DisplayPanel::paintEvent(QPaintEvent* event)
{
    ImageControl::paintEvent(event);
    // The divider between value and unit on the left, tolerance and coefficient on the right.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(twips::line(2280, 240, 2280, 1020));
}

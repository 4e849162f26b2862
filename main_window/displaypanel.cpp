#include "displaypanel.h"

#include "pictures.h"
#include "twips.h"
#include "uitext.h"

#include <QLabel>
#include <QPainter>

namespace {

struct LabelDesign
{
    const char* name;
    QRect place;
    const char* caption;
    const char* family;
    int pixelSize;
    bool bold;
    Qt::Alignment alignment;
};

QLabel* makeLabel(const LabelDesign& design, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(design.caption), parent);
    label->setObjectName(QLatin1String(design.name));
    label->setGeometry(design.place);
    QFont font(QLatin1String(design.family));
    font.setPixelSize(design.pixelSize);
    font.setBold(design.bold);
    if (design.pixelSize < 10)
        font.setLetterSpacing(QFont::PercentageSpacing, 92); // Verdana's stand-in runs a little wide
    label->setFont(font);
    label->setAlignment(design.alignment | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

DisplayPanel::DisplayPanel(QWidget* parent)
    : ImageControl(QStringLiteral("Picture13"), pictures::load(QStringLiteral("display")), parent)
{
    setGeometry(twips::rect(930, 4440, 4155, 1305));
    // The omega stands in for the "W" that the design draws in a symbol face.
    const std::string omega = uitext::unitForDisplay("W").toStdString();
    const LabelDesign designs[] = {
        {"Label6", twips::rect(2400, 210, 870, 150), "TOLLERANZA", "Verdana", 8, true, Qt::AlignLeft},
        {"Label5", twips::rect(2400, 645, 1470, 150), "COEFF. TEMPERATURA", "Verdana", 8, true,
         Qt::AlignLeft},
        {"lblOhm", twips::rect(1560, 600, 615, 495), omega.c_str(), "Arial", 21, true, Qt::AlignRight},
        {"lblValore", twips::rect(240, 360, 1455, 495), "0.00 ", "Arial", 27, false, Qt::AlignRight},
        {"lbltoll", twips::rect(2350, 310, 1575, 255), "\u00b1", "Arial", 16, false, Qt::AlignLeft},
        {"lblcoeff", twips::rect(2350, 760, 1695, 375), "--- ppm/k", "Arial", 21, false, Qt::AlignLeft},
    };
    makeLabel(designs[0], this);
    makeLabel(designs[1], this);
    m_unit = makeLabel(designs[2], this);
    m_value = makeLabel(designs[3], this);
    m_tolerance = makeLabel(designs[4], this);
    m_coefficient = makeLabel(designs[5], this);
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

#include "displaypanel.h"

#include "label.h"
#include "pictures.h"
#include "twips.h"
#include "uitext.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

const QRect DisplayPanel::kScreen(13, 13, 251, 61);

namespace {

constexpr int kCaptionSize = 8;
constexpr int kValueSize = 27;
constexpr int kUnitSize = 21;
constexpr int kToleranceSize = 16;
constexpr int kCoefficientSize = 21;
constexpr int kValueToUnitGap = 3; // pixels between the value's last digit and the unit
constexpr int kScreenMargin = 2; // pixels kept clear inside the screen's outline

// A box that runs past the screen's right edge ends short of it, so its text is fitted to what shows.
QLabel* keepOnScreen(QLabel* label)
{
    QRect place = label->geometry();
    place.setRight(std::min(place.right(), DisplayPanel::kScreen.right() - kScreenMargin));
    label->setGeometry(place);
    return label;
}

} // namespace

DisplayPanel::DisplayPanel(QWidget* parent)
    : ImageControl(QStringLiteral("Picture13"), pictures::load(QStringLiteral("display")), parent)
{
    setGeometry(twips::rect(930, 4440, 4155, 1305));
    constexpr auto bold = QFont::Bold;
    constexpr auto regular = QFont::Normal;
    QLabel* tolleranza = makeLabel({"Label6", twips::rect(2400, 210, 870, 150), "TOLLERANZA", "Verdana",
                                    kCaptionSize, bold, Qt::AlignLeft},
                                   this);
    QLabel* coefficiente = makeLabel({"Label5", twips::rect(2400, 645, 1470, 150), "COEFF. TEMPERATURA",
                                      "Verdana", kCaptionSize, bold, Qt::AlignLeft},
                                     this);
    // The omega stands in for the "W" that the design draws in a symbol face.
    m_unit = makeLabel({"lblOhm", twips::rect(1560, 600, 615, 495), uitext::unitForDisplay("W"), "Arial",
                        kUnitSize, bold, Qt::AlignRight},
                       this);
    m_value = makeLabel({"lblValore", twips::rect(240, 360, 1455, 495), "0.00 ", "Arial", kValueSize, regular,
                         Qt::AlignRight},
                        this);
    m_tolerance = keepOnScreen(makeLabel({"lbltoll", twips::rect(2350, 310, 1575, 255), "\u00b1", "Arial",
                                          kToleranceSize, regular, Qt::AlignLeft},
                                         this));
    m_coefficient = keepOnScreen(makeLabel({"lblcoeff", twips::rect(2350, 760, 1695, 375), "--- ppm/k",
                                            "Arial", kCoefficientSize, regular, Qt::AlignLeft},
                                           this));
    for (QLabel* caption : {tolleranza, coefficiente})
        fitText(caption, kCaptionSize, caption->contentsRect().width());
    fitTexts();
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
    fitTexts();
}

void DisplayPanel::fitTexts()
{
    fitText(m_value, kValueSize, m_value->contentsRect().width());
    fitText(m_tolerance, kToleranceSize, m_tolerance->contentsRect().width());
    fitText(m_coefficient, kCoefficientSize, m_coefficient->contentsRect().width());
    // The boxes of value and unit overlap: only the value's trailing blank keeps the two texts apart.
    const int valueEnd
        = m_value->geometry().right() + 1 - QFontMetrics(m_value->font()).horizontalAdvance(QLatin1Char(' '));
    fitText(m_unit, kUnitSize, m_unit->geometry().right() + 1 - valueEnd - kValueToUnitGap);
}

void DisplayPanel::paintEvent(QPaintEvent* event)
{
    ImageControl::paintEvent(event);
    // The divider between value and unit on the left, tolerance and coefficient on the right.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(twips::line(2280, 240, 2280, 1020));
}

#include "form2.h"

#include "accessiblenames.h"
#include "encoder.h"
#include "entrylists.h"
#include "form1.h"
#include "label.h"
#include "numbers.h"
#include "promptedlist.h"
#include "twips.h"
#include "uitext.h"
#include "valuebox.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

QFont sansSerif(int pixelSize)
{
    return designFont("MS Sans Serif", pixelSize);
}

// The prompts run their dots under the field to their right, which covers the end of them.
void addPrompt(const char* name, const QRect& place, const char* caption, QWidget* parent)
{
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
}

QComboBox* addList(const char* name, const QRect& place, QWidget* parent)
{
    auto* list = new PromptedList(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(place);
    list->setFont(sansSerif(13));
    return list;
}

} // namespace

Form2::Form2(Form1* form1)
    : QDialog(form1, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_form1(form1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(".:: Codicolorimetrix ::."));
    setFixedSize(297, 161);
    setFont(sansSerif(11));

    // Labels first: the fields are drawn over the end of their dot leaders.
    addPrompt("Label1", twips::rect(120, 360, 2055, 255), "Inserisci il valore....................", this);
    addPrompt("Label2", twips::rect(120, 840, 3015, 255),
              "Tolleranza................................................", this);
    addPrompt("Label3", twips::rect(120, 1320, 2775, 255), "Coefficiente di temperatura..................",
              this);

    m_valueBox = new ValueBox(this);
    m_valueBox->setObjectName(QStringLiteral("Valore"));
    m_valueBox->setGeometry(twips::rect(2160, 240, 975, 360));
    m_valueBox->setFont(sansSerif(13));
    connect(m_valueBox, &QLineEdit::textChanged, this, &Form2::valueTextChanged);
    connect(m_valueBox, &ValueBox::insertionTooLong, this, [this] {
        uitext::showMessage(this, colourcode::MessageIcon::Exclamation, colourcode::kTooLongMessage);
    });

    m_unitList = addList("Combo1", twips::rect(3240, 240, 1095, 360), this);
    m_showButton = new QPushButton(QStringLiteral("Visualizza colori"), this);
    m_showButton->setObjectName(QStringLiteral("Command1"));
    m_showButton->setGeometry(twips::rect(120, 1800, 4215, 495));
    m_showButton->setDefault(true); // Enter presses it; Esc closes the window
    connect(m_showButton, &QPushButton::clicked, this, &Form2::showColoursClicked);
    m_toleranceList = addList("cmbToll", twips::rect(3000, 720, 1335, 360), this);
    m_coefficientList = addList("cmbCoeff", twips::rect(2400, 1200, 1935, 360), this);

    buildLists();
    setTabOrder();
    nameForScreenReaders(this);
}

void Form2::buildLists()
{
    for (const auto& unit : colourcode::kUnitItems)
        m_unitList->addItem(uitext::unitForDisplay(unit.text), unit.power);
    for (const auto& tolerance : colourcode::kToleranceItems)
        m_toleranceList->addItem(uitext::fromCore(tolerance.text), 0);
    for (const auto& coefficient : colourcode::kCoefficientItems)
        m_coefficientList->addItem(uitext::fromCore(coefficient.text), coefficient.data);
}

void Form2::setTabOrder()
{
    // The button comes before the tolerance and coefficient lists.
    QWidget::setTabOrder(m_valueBox, m_unitList);
    QWidget::setTabOrder(m_unitList, m_showButton);
    QWidget::setTabOrder(m_showButton, m_toleranceList);
    QWidget::setTabOrder(m_toleranceList, m_coefficientList);
}

void Form2::attachTo(Form1* form1)
{
    // One window for the run: made at the first request as a child of the main window, then reused.
    QObject::connect(form1, &Form1::valueEntryRequested, form1,
                     [form1, form2 = static_cast<Form2*>(nullptr)]() mutable {
                         if (!form2)
                             form2 = new Form2(form1);
                         form2->showModal();
                     });
}

void Form2::showModal()
{
    // Ctrl+Z must not bring back an entry of an earlier opening.
    m_valueBox->discard();
    m_unitList->setCurrentIndex(0);
    m_coefficientList->setCurrentIndex(0);
    m_toleranceList->setCurrentIndex(0);

    if (const QScreen* screen = m_form1->screen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    m_valueBox->setFocus();
}

void Form2::valueTextChanged(const QString& text)
{
    // A lone comma is no number yet, but it is how ",5" starts; the button refuses it if it stays alone.
    if (text.isEmpty() || text == QLatin1String(",") || colourcode::isNumeric(text.toStdString()))
        return;
    uitext::showMessage(this, colourcode::MessageIcon::Exclamation, colourcode::kNotNumericMessage);
    // The whole entry goes, not only the character that spoiled it, and with its undo steps, so that
    // Ctrl+Z cannot bring the refused text back.
    m_valueBox->discard();
}

void Form2::showColoursClicked()
{
    const QString text = m_valueBox->text();
    if (text.isEmpty())
        return;
    const std::string typed = text.toStdString();
    // The lists were filled from the core's tables, so a position picks its entry there.
    const auto entry = [](const auto& table, const QComboBox* list) {
        return table[static_cast<std::size_t>(std::max(list->currentIndex(), 0))];
    };
    const colourcode::EncoderInput input {typed, entry(colourcode::kUnitItems, m_unitList).power,
                                          entry(colourcode::kToleranceItems, m_toleranceList).percent,
                                          entry(colourcode::kCoefficientItems, m_coefficientList).ppm};
    const colourcode::EncoderResult result = colourcode::encodeValue(input, m_form1->bandState());
    if (const auto* message = std::get_if<colourcode::EncoderMessage>(&result)) {
        uitext::showMessage(this, message->icon, message->text);
        return;
    }
    const auto& encoding = std::get<colourcode::Encoding>(result);
    m_valueBox->setText(uitext::fromCore(encoding.valueText));
    m_form1->applyEncoding(encoding);
    accept();
}

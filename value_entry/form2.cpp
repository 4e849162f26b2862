#include "form2.h"

#include "encoder.h"
#include "entrylists.h"
#include "form1.h"
#include "label.h"
#include "numbers.h"
#include "twips.h"
#include "uitext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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
    auto* list = new QComboBox(parent);
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

    m_valore = new QLineEdit(this);
    m_valore->setObjectName(QStringLiteral("Valore"));
    m_valore->setGeometry(twips::rect(2160, 240, 975, 360));
    m_valore->setMaxLength(4);
    m_valore->setFont(sansSerif(13));
    connect(m_valore, &QLineEdit::textChanged, this, &Form2::valoreChanged);

    m_combo1 = addList("Combo1", twips::rect(3240, 240, 1095, 360), this);
    m_command1 = new QPushButton(QStringLiteral("Visualizza colori"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twips::rect(120, 1800, 4215, 495));
    m_command1->setDefault(true); // Enter presses it; Esc closes the window
    connect(m_command1, &QPushButton::clicked, this, &Form2::command1Clicked);
    m_cmbToll = addList("cmbToll", twips::rect(3000, 720, 1335, 360), this);
    m_cmbCoeff = addList("cmbCoeff", twips::rect(2400, 1200, 1935, 360), this);

    buildLists();
    setTabOrder();
}

void Form2::buildLists()
{
    for (const auto& unit : colourcode::kUnitItems)
        m_combo1->addItem(uitext::unitForDisplay(unit.text), unit.power);
    for (const auto& tolerance : colourcode::kToleranceItems)
        m_cmbToll->addItem(uitext::fromCore(tolerance.text), 0);
    for (const auto& coefficient : colourcode::kCoefficientItems)
        m_cmbCoeff->addItem(uitext::fromCore(coefficient.text), coefficient.data);
}

void Form2::setTabOrder()
{
    // The button comes before the tolerance and coefficient lists.
    QWidget::setTabOrder(m_valore, m_combo1);
    QWidget::setTabOrder(m_combo1, m_command1);
    QWidget::setTabOrder(m_command1, m_cmbToll);
    QWidget::setTabOrder(m_cmbToll, m_cmbCoeff);
}

void Form2::attachTo(Form1* form1)
{
    QObject::connect(form1, &Form1::valueEntryRequested, form1, [form1] {
        auto* form2 = form1->findChild<Form2*>(QStringLiteral("Form2"), Qt::FindDirectChildrenOnly);
        if (!form2)
            form2 = new Form2(form1);
        form2->showModal();
    });
}

void Form2::showModal()
{
    // Unlike clear(), setText() also drops the undo history: Ctrl+Z must not bring back an earlier entry.
    m_valore->setText(QString());
    m_combo1->setCurrentIndex(0);
    m_cmbCoeff->setCurrentIndex(0);
    m_cmbToll->setCurrentIndex(0);

    if (const QScreen* screen = m_form1->screen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    m_valore->setFocus();
}

void Form2::valoreChanged(const QString& text)
{
    if (text.isEmpty() || colourcode::isNumeric(text.toStdString()))
        return;
    uitext::showMessage(this, colourcode::MessageIcon::Exclamation, colourcode::kNotNumericMessage);
    // The whole entry goes, not only the character that spoiled it.
    m_valore->clear();
}

void Form2::command1Clicked()
{
    const QString text = m_valore->text();
    if (text.isEmpty())
        return;
    const std::string typed = text.toStdString();
    const std::string tolerance = m_cmbToll->currentText().toStdString();
    const colourcode::EncoderInput input {
        typed,     m_combo1->currentIndex(),   m_combo1->currentData().toInt(),
        tolerance, m_cmbCoeff->currentIndex(), m_cmbCoeff->currentData().toInt()};
    const colourcode::EncoderResult result = colourcode::encodeValue(input, m_form1->bandState());
    if (const auto* message = std::get_if<colourcode::EncoderMessage>(&result)) {
        uitext::showMessage(this, message->icon, message->text);
        return;
    }
    const auto& encoding = std::get<colourcode::Encoding>(result);
    m_valore->setText(uitext::fromCore(encoding.valueText));
    m_form1->applyEncoding(encoding);
    accept();
}

#include "accessiblenames.h"

#include <QLabel>
#include <QRegularExpression>

void nameForScreenReaders(QWidget* valueEntry)
{
    const struct
    {
        const char* control;
        const char* name;
    } fields[] = {{"Valore", "Inserisci il valore"},
                  {"Combo1", "Unit\u00e0"},
                  {"cmbToll", "Tolleranza"},
                  {"cmbCoeff", "Coefficiente di temperatura"}};
    for (const auto& field : fields) {
        if (auto* control = valueEntry->findChild<QWidget*>(QLatin1String(field.control)))
            control->setAccessibleName(QString::fromUtf8(field.name));
    }
    static const QRegularExpression dotRun(QStringLiteral("\\.{2,}$"));
    for (QLabel* prompt : valueEntry->findChildren<QLabel*>())
        prompt->setAccessibleName(prompt->text().remove(dotRun));
}

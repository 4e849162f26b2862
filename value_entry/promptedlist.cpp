#include "promptedlist.h"

#include "accessiblecombo.h"

#include <QAccessible>
#include <QAccessibleTextUpdateEvent>

PromptedList::PromptedList(QWidget* parent)
    : QComboBox(parent)
{
    // Before the first item is added: the interface made for the first change is kept for good.
    AccessibleCombo::install();
    connect(this, &QComboBox::currentTextChanged, this, &PromptedList::announceChoice);
}

void PromptedList::announceChoice(const QString& text)
{
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, 0, m_announced, text);
        QAccessible::updateAccessibility(&update);
    }
    m_announced = text;
}

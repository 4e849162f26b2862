#include "accessiblecombo.h"

#include <QAbstractItemView>
#include <QComboBox>

AccessibleCombo::AccessibleCombo(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{ }

void AccessibleCombo::install()
{
    static bool installed = false;
    if (!installed) {
        // Asked for the most derived class first, so Qt's own combo box interface never sees ours.
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String("PromptedList"))
                return nullptr;
            return new AccessibleCombo(static_cast<QComboBox*>(object));
        });
    }
    installed = true;
}

QComboBox* AccessibleCombo::list() const
{
    return static_cast<QComboBox*>(widget());
}

QString AccessibleCombo::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName();
    case QAccessible::Value:
        return list()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleCombo::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

QAccessibleInterface* AccessibleCombo::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int AccessibleCombo::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

void* AccessibleCombo::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList AccessibleCombo::actionNames() const
{
    return {showMenuAction(), pressAction(), setFocusAction()};
}

void AccessibleCombo::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QString AccessibleCombo::plainText() const
{
    return list()->currentText();
}

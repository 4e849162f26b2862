#include "accessibledisplay.h"

#include <QWidget>

AccessibleDisplay::AccessibleDisplay(QWidget* display)
    : QAccessibleWidget(display, QAccessible::StatusBar)
{ }

QString AccessibleDisplay::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? plainText() : QAccessibleWidget::text(t);
}

void* AccessibleDisplay::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleDisplay::plainText() const
{
    // The words are kept as the display widget's accessible name, written at every change.
    return widget()->accessibleName();
}

#include "accessiblecontainer.h"

#include "displaypanel.h"
#include "imagecontrol.h"
#include "swatch.h"

#include <QFocusFrame>

namespace {

bool presented(const QWidget* child)
{
    if (child->isWindow() || child->isHidden() || qobject_cast<const QFocusFrame*>(child))
        return false;
    // A picture that takes no action and says nothing decorates.
    if (qobject_cast<const ImageControl*>(child) && !qobject_cast<const DisplayPanel*>(child)
        && !qobject_cast<const Swatch*>(child))
        return child->focusPolicy() != Qt::NoFocus;
    return true;
}

} // namespace

AccessibleContainer::AccessibleContainer(QWidget* panel)
    : QAccessibleWidget(panel, QAccessible::Pane)
{ }

QList<QWidget*> AccessibleContainer::presentedChildren() const
{
    QList<QWidget*> shown;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && presented(child))
            shown.append(child);
    }
    return shown;
}

int AccessibleContainer::childCount() const
{
    return static_cast<int>(presentedChildren().size());
}

QAccessibleInterface* AccessibleContainer::child(int index) const
{
    const QList<QWidget*> shown = presentedChildren();
    if (index < 0 || index >= shown.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(shown[index]);
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return static_cast<int>(presentedChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

#include "accessiblebutton.h"

#include "imagecontrol.h"
#include "swatch.h"
#include "uitext.h"

AccessibleButton::AccessibleButton(ImageControl* control)
    : QAccessibleWidget(control, QAccessible::Button)
{ }

ImageControl* AccessibleButton::control() const
{
    return static_cast<ImageControl*>(widget());
}

QString AccessibleButton::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        // A swatch is called by its colour, as the band descriptions call it.
        if (const auto* swatch = qobject_cast<const Swatch*>(widget()))
            return uitext::fromCore(colourcode::colourName(swatch->colour()));
        return widget()->accessibleName();
    case QAccessible::Description:
        // Not the tool tip: it repeats the name with a run of dots.
        return widget()->accessibleDescription();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // The swatches of a closed palette are there but cut off by its lower edge.
    if (widget()->visibleRegion().isEmpty()) {
        state.invisible = true;
        state.offscreen = true;
    }
    return state;
}

QStringList AccessibleButton::actionNames() const
{
    return QStringList {pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A refused swatch, or one of a closed palette, is out of the pointer's reach and of the reader's.
    if (widget()->isEnabled() && !widget()->visibleRegion().isEmpty())
        emit control()->clicked();
}

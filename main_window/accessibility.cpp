#include "accessibility.h"

#include "accessiblebutton.h"
#include "accessiblecontainer.h"
#include "accessibledisplay.h"
#include "imagecontrol.h"
#include "uitext.h"

#include <QAccessible>
#include <QAccessibleTextUpdateEvent>

namespace accessibility {
namespace {

// Asked once for each class of an object's hierarchy, most derived first, before Qt's own interfaces.
QAccessibleInterface* mainWindowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window, uitext::kApplicationTitle);
    if (className == QLatin1String("DisplayPanel"))
        return new AccessibleDisplay(widget);
    if (className == QLatin1String("BackgroundPicture") || className == QLatin1String("PalettePanel"))
        return new AccessibleContainer(widget);
    // The pictures that only decorate are buttons too, but their panel leaves them out of the tree.
    if (className == QLatin1String("ImageControl"))
        return new AccessibleButton(static_cast<ImageControl*>(widget));
    return nullptr;
}

} // namespace

void installInterfaces()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(mainWindowInterface);
    installed = true;
}

void describeBand(QWidget* bandPlace, int band, colourcode::Colour colour)
{
    bandPlace->setAccessibleDescription(uitext::fromCore(colourcode::bandDescription(colour, band)));
}

void announceDisplay(QWidget* display, const std::string& words)
{
    const QString before = display->accessibleName();
    const QString after = uitext::fromCore(words);
    // The name change is what most readers watch; the text update serves those that follow the text.
    display->setAccessibleName(after);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(display, 0, before, after);
        QAccessible::updateAccessibility(&update);
    }
}

} // namespace accessibility

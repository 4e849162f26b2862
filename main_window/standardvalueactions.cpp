#include "standardvalueactions.h"

#include "form1.h"
#include "standardvalues.h"

#include <QAction>

StandardValueActions::StandardValueActions(Form1* form1)
    : QObject(form1)
    , m_form1(form1)
{
    for (const bool up : {true, false}) {
        auto* action = new QAction(form1);
        action->setShortcut(up ? Qt::Key_PageUp : Qt::Key_PageDown);
        connect(action, &QAction::triggered, this, [this, up] { step(up); });
        form1->addAction(action);
    }
}

void StandardValueActions::step(bool up)
{
    // At the ends of the range nothing is left to paint, and nothing changes.
    if (const std::optional<colourcode::Encoding> next
        = colourcode::stepStandardValue(m_form1->bandState(), up))
        m_form1->applyEncoding(*next);
}

#include "focusframe.h"

#include <QPainter>

namespace {

constexpr int kMargin = 2; // pixels outside the control: the outline never covers what it marks
const QColor kOuter(0, 0, 160);
const QColor kInner(255, 255, 255);

} // namespace

FocusFrame::FocusFrame(QWidget* parent)
    : QFocusFrame(parent)
{
    setObjectName(QStringLiteral("focusMark"));
    hide();
}

void FocusFrame::surround(const QWidget* target)
{
    const QPoint topLeft = target->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(topLeft, target->size()).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kOuter);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(kInner);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

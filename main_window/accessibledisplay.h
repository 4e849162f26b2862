#pragma once

#include "plaintextinterface.h"

#include <QAccessibleWidget>

// The display as one object for a screen reader: its text is what the four labels show, in words, so
// that "KΩ" is read as "kiloohm" and the labels inside are not read one by one.
class AccessibleDisplay : public QAccessibleWidget, public PlainTextInterface
{
public:
    explicit AccessibleDisplay(QWidget* display);

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType type) override;

    QString plainText() const override;
    using PlainTextInterface::text;
};

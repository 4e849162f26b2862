#pragma once

#include "plaintextinterface.h"

#include <QAccessibleWidget>

class QComboBox;

// How a screen reader sees a PromptedList: a combo box named by its prompt, whose text is the chosen
// item and whose only child is the list it opens.
class AccessibleCombo : public QAccessibleWidget, public PlainTextInterface
{
public:
    explicit AccessibleCombo(QComboBox* list);

    // Makes every PromptedList use this interface; once per run.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QString plainText() const override;
    using PlainTextInterface::text;

private:
    QComboBox* list() const;
};

#pragma once

#include <QAccessibleWidget>

// A panel of the main window as a screen reader sees it: only what a person can read or use. Hidden
// widgets (the colour images that only hold pictures) and pictures that merely decorate (the resistor's
// ends) are left out of the tree.
class AccessibleContainer : public QAccessibleWidget
{
public:
    explicit AccessibleContainer(QWidget* panel);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> presentedChildren() const;
};

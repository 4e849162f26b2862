#pragma once

#include <QAccessibleWidget>

class ImageControl;

// A picture the user acts on (a band place, a swatch, the bracket, the thumbnail, the close picture),
// shown to a screen reader as a push button whose press is the click.
class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(ImageControl* control);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ImageControl* control() const;
};

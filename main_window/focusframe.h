#pragma once

#include <QFocusFrame>

// The keyboard's mark: a thin two-tone outline just outside the control that has the focus, dark on
// the light panels and white on the dark bands. Being a focus frame keeps it out of the accessibility
// tree; it never takes the pointer.
class FocusFrame : public QFocusFrame
{
    Q_OBJECT

public:
    explicit FocusFrame(QWidget* parent);

    // Places the outline around the control, which may lie anywhere inside the frame's parent.
    void surround(const QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;
};

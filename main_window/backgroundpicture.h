#pragma once

#include "imagecontrol.h"

#include <QImage>
#include <future>
#include <optional>

// The picture that fills the main window: the rounded panel, the wires from the resistor's leads to
// the display, and the handle by which the window is moved.
class BackgroundPicture : public ImageControl
{
    Q_OBJECT

public:
    explicit BackgroundPicture(QWidget* parent);
    // Takes the picture, read meanwhile on another thread; before this the control has none.
    void finishLoading();

    // Moves the window with the pointer until the left button is released; for desktops whose window
    // manager cannot move it.
    void followPointer(const QPoint& globalPressPosition);

signals:
    // The left button, pressed on the picture, has moved past the drag distance while still down.
    void dragStarted(const QPoint& globalPressPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint keepHeaderOnScreen(QPoint topLeft, const QPoint& pointer) const;

    std::future<QImage> m_reading;
    std::optional<QPoint> m_press; // a left press that has not become a move yet
    bool m_following = false;
    QPoint m_pressOffset;
};

#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn at its own size. Without a back colour it is windowless: its transparent pixels show
// what lies beneath. With one it is a picture box that paints its back colour first.
class ImageControl : public QWidget
{
    Q_OBJECT

public:
    ImageControl(const QString& name, const QPixmap& picture, QWidget* parent);

    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    void setBackColour(const QColor& colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QColor m_back; // invalid: nothing behind the picture
};

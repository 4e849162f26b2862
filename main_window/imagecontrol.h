#pragma once

#include <QPixmap>
#include <QWidget>

// A picture drawn at its own size with nothing behind it: its transparent pixels show what lies beneath.
class ImageControl : public QWidget
{
    Q_OBJECT

public:
    ImageControl(const QString& name, const QPixmap& picture, QWidget* parent);

    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Presses OK on every message box that opens while it lives, and remembers what the last one said.
// It wakes whenever the event loop is idle, so a test never waits on a box it did not expect.
class ModalAnswerer : public QObject
{
public:
    ModalAnswerer()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::answer);
        m_timer.start();
    }

    int count = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++count;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_timer;
};

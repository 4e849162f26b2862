#pragma once

#include <QObject>

class Form1;

// Copy and paste on the main window: Ctrl+C puts the resistor on the clipboard as one line of text;
// Ctrl+V, or text dropped on the window, paints a value written as on schematics and parts lists.
class ClipboardActions : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardActions(Form1* form1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy();
    // A refused text is reported and changes nothing.
    void paint(const QString& text);

    Form1* m_form1;
};

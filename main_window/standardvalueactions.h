#pragma once

#include <QObject>

class Form1;

// Page Up and Page Down on the main window step to the next higher or lower standard value of the
// series that the tolerance calls for, keeping tolerance and coefficient.
class StandardValueActions : public QObject
{
    Q_OBJECT

public:
    explicit StandardValueActions(Form1* form1);

private:
    void step(bool up);

    Form1* m_form1;
};

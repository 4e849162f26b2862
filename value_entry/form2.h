#pragma once

#include <QDialog>

class Form1;
class QComboBox;
class QLineEdit;
class QPushButton;

// The value entry window: a typed value with its unit, tolerance and coefficient becomes the bands
// of the main window. It is modal, and nothing typed or chosen survives its closing.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(Form1* form1);

    // Lets the main window's value-to-colours picture open the one value entry window of the run,
    // created when it is first needed.
    static void attachTo(Form1* form1);

    // Starts afresh, centred on the screen, and takes all input until it is closed.
    void showModal();

private:
    void buildLists();
    void setTabOrder();
    void valoreChanged(const QString& text);
    void command1Clicked();

    Form1* m_form1;
    QLineEdit* m_valore;
    QComboBox* m_combo1;
    QComboBox* m_cmbToll;
    QComboBox* m_cmbCoeff;
    QPushButton* m_command1;
};

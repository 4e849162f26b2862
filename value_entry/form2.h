#pragma once

#include <QDialog>

class Form1;
class QComboBox;
class QPushButton;
class ValueBox;

// The value entry window: a typed value with its unit, tolerance and coefficient becomes the bands
// of the main window. It is modal, and nothing typed or chosen survives its closing.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(Form1* form1);

    // Lets the main window's value-to-colours picture open the value entry window, created the first time
    // it is needed and reused for the rest of the run.
    static void attachTo(Form1* form1);

    // Starts afresh, centred on the screen, and takes all input until it is closed.
    void showModal();

private:
    void buildLists();
    void setTabOrder();
    void valueTextChanged(const QString& text);
    void showColoursClicked();

    Form1* m_form1;
    ValueBox* m_valueBox; // Valore
    QComboBox* m_unitList; // Combo1
    QComboBox* m_toleranceList; // cmbToll
    QComboBox* m_coefficientList; // cmbCoeff
    QPushButton* m_showButton; // Command1
};

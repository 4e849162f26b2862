#pragma once

#include <QComboBox>

// A drop-down list that a screen reader calls by its prompt, with the chosen item as its text (Qt's own
// combo box on Linux gives its current item as its name instead).
class PromptedList : public QComboBox
{
    Q_OBJECT

public:
    explicit PromptedList(QWidget* parent);

private:
    void announceChoice(const QString& text);

    QString m_announced;
};

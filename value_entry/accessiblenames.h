#pragma once

class QWidget;

// Names the value entry window's fields after their prompts, and its prompts without their runs of
// dots, which a screen reader would read out one by one.
void nameForScreenReaders(QWidget* valueEntry);

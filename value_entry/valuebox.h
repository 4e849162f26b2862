#pragma once

#include <QLineEdit>

// The value's text box. It holds at most four characters: a fifth typed character is ignored, as a
// length limit does, but a paste or drop that would not fit is refused whole rather than cut, since a
// cut value is another value.
class ValueBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int kMaxLength = 4;

    explicit ValueBox(QWidget* parent);

    // Empties the box and forgets its undo steps, so that Ctrl+Z cannot bring back a refused text.
    void discard();

signals:
    // A paste or drop was refused because the value would be longer than four characters.
    void insertionTooLong();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Whether the text still fits once inserted in place of the selection; if not, says so.
    bool admits(const QString& inserted);
    void pasteIfItFits();
};

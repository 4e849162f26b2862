#include "valuebox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

ValueBox::ValueBox(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(kMaxLength);
}

void ValueBox::discard()
{
    // Unlike clear(), setText() also drops the undo history.
    setText(QString());
}

bool ValueBox::admits(const QString& inserted)
{
    if (text().size() - selectedText().size() + inserted.size() <= kMaxLength)
        return true;
    emit insertionTooLong();
    return false;
}

void ValueBox::pasteIfItFits()
{
    if (admits(QGuiApplication::clipboard()->text()))
        paste();
}

void ValueBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteIfItFits();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection, on systems that have one.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()
        && rect().contains(event->position().toPoint()) && !admits(clipboard->text(QClipboard::Selection))) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueBox::dropEvent(QDropEvent* event)
{
    // Text moved within the box keeps its length.
    if (event->source() != this && event->mimeData()->hasText() && !admits(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void ValueBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's paste action is known only by its text, which Qt takes from this context.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteText) {
            disconnect(action, &QAction::triggered, this, nullptr);
            connect(action, &QAction::triggered, this, &ValueBox::pasteIfItFits);
        }
    }
    menu->popup(event->globalPos());
}

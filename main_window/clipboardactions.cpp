#include "clipboardactions.h"

#include "display.h"
#include "form1.h"
#include "pastedtext.h"
#include "uitext.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

ClipboardActions::ClipboardActions(Form1* form1)
    : QObject(form1)
    , m_form1(form1)
{
    auto* copyAction = new QAction(form1);
    copyAction->setShortcuts(QKeySequence::Copy);
    connect(copyAction, &QAction::triggered, this, &ClipboardActions::copy);
    form1->addAction(copyAction);

    auto* pasteAction = new QAction(form1);
    pasteAction->setShortcuts(QKeySequence::Paste);
    connect(pasteAction, &QAction::triggered, this,
            [this] { paint(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    form1->addAction(pasteAction);

    // Children that take no drops hand them to the window.
    form1->setAcceptDrops(true);
    form1->installEventFilter(this);
}

void ClipboardActions::copy()
{
    QGuiApplication::clipboard()->setText(uitext::fromCore(colourcode::copyText(m_form1->bandState())));
}

void ClipboardActions::paint(const QString& text)
{
    const colourcode::EncoderResult result
        = colourcode::encodePastedText(text.toStdString(), m_form1->bandState());
    if (const auto* message = std::get_if<colourcode::EncoderMessage>(&result)) {
        uitext::showMessage(m_form1, message->icon, message->text);
        return;
    }
    m_form1->applyEncoding(std::get<colourcode::Encoding>(result));
}

bool ClipboardActions::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasText())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasText())
            return false;
        drop->acceptProposedAction();
        paint(drop->mimeData()->text());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

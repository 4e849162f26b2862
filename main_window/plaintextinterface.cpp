#include "plaintextinterface.h"

void PlainTextInterface::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString PlainTextInterface::text(int startOffset, int endOffset) const
{
    const QString whole = plainText();
    if (endOffset < 0 || endOffset > whole.size())
        endOffset = static_cast<int>(whole.size());
    return whole.mid(startOffset, endOffset - startOffset);
}

int PlainTextInterface::characterCount() const
{
    return static_cast<int>(plainText().size());
}

QString PlainTextInterface::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

#include "widgets/typingkeys.h"

#include <QKeyEvent>

bool writesText(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    char32_t first = text.front().unicode();
    if (text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        first = QChar::surrogateToUcs4(text[0], text[1]);
    return QChar::isPrint(first);
}

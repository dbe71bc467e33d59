#include "core/operations.h"

const std::array<Operation, 8> Operations = {{
    {PadAction::Add, "Add", "&+", QT_TRANSLATE_NOOP("ParenBase", "Add"), u'+', u"\uff0b", u'+',
        PendingCode::Add, true, true},
    {PadAction::Div, "Div", "&/", QT_TRANSLATE_NOOP("ParenBase", "Divide"), u'/', u"\u00f7\uff0f",
        u'\u00f7', PendingCode::Divide, true, true},
    {PadAction::Mult, "Mult", "&*", QT_TRANSLATE_NOOP("ParenBase", "Multiply"), u'*',
        u"\u00d7\uff0a", u'\u00d7', PendingCode::Multiply, true, true},
    {PadAction::Subt, "Subt", "-&--", QT_TRANSLATE_NOOP("ParenBase", "Subtract"), u'-',
        u"\u2212\uff0d", u'\u2212', PendingCode::Subtract, true, true},
    {PadAction::LParen, "LParen", "&(", QT_TRANSLATE_NOOP("ParenBase", "Start Paren"), u'(',
        u"\uff08", u'(', PendingCode::None, true, true},
    {PadAction::RParen, "RParen", "&)", QT_TRANSLATE_NOOP("ParenBase", "End Paren"), u')',
        u"\uff09", u')', PendingCode::None, false, false},
    {PadAction::Equals, "Equals", "&=", QT_TRANSLATE_NOOP("ParenBase", "Equals"), u'=', u"\uff1d",
        u'=', PendingCode::None, false, false},
    //: The button that clears the calculation; & marks its access key, a
    //: letter that no other button of the window uses.
    {PadAction::Clear, "Clear", QT_TRANSLATE_NOOP("ParenBase", "Clea&r"), "", u'r', u"", u'r',
        PendingCode::None, false, false},
}};

namespace {

// Every character of a paste comes here, several times: the common ones are
// looked up, not searched for.
std::array<const Operation *, 0x80> byAsciiKey()
{
    std::array<const Operation *, 0x80> table {};
    for (const Operation &op : Operations)
        table[op.key] = &op;
    return table;
}

const std::array<const Operation *, 0x80> ByAsciiKey = byAsciiKey();

} // namespace

const Operation *operationOf(QChar character)
{
    const char16_t c = character.unicode();
    if (c < ByAsciiKey.size())
        return ByAsciiKey[c];
    for (const Operation &op : Operations) {
        if (op.alsoRead.find(c) != op.alsoRead.npos)
            return &op;
    }
    return nullptr;
}

const Operation *pendingOperation(std::int16_t code)
{
    for (const Operation &op : Operations) {
        if (code != PendingCode::None && op.pending == code)
            return &op;
    }
    return nullptr;
}

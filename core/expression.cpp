#include "core/expression.h"

#include "core/numeralparse.h"

#include <QLocale>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Splitter
{
public:
    explicit Splitter(QStringView text)
        : text_(text)
        , separator_(QLocale().decimalPoint())
    { }

    QList<ExpressionPiece> split()
    {
        while (skipBlanks()) {
            const QChar c = text_[pos_];
            if (isOperationKey(c) && !(c == u'-' && signCanStand() && numberFollows(pos_ + 1))) {
                pieces_.append({{}, c, pos_});
                ++pos_;
            } else {
                takeEntry();
            }
        }
        return pieces_;
    }

private:
    bool skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
        return pos_ < text_.size();
    }

    bool signCanStand() const
    {
        return pieces_.isEmpty() || (pieces_.back().isKey() && pieces_.back().key != u')');
    }

    bool numberFollows(qsizetype at) const
    {
        if (at < text_.size() && isDigit(text_[at]))
            return true;
        const QStringView rest = text_.sliced(at);
        return rest.startsWith(separator_) && rest.size() > separator_.size()
            && isDigit(rest[separator_.size()]);
    }

    void takeEntry()
    {
        const qsizetype start = pos_;
        // Only a decimal mantissa has an exponent: in "0X1E+2" the E is a digit.
        bool decimal = true;
        bool digits = false;
        if (text_[pos_] == u'-')
            ++pos_;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if ((c == u'+' || c == u'-') && decimal && digits
                && (text_[pos_ - 1] == u'E' || text_[pos_ - 1] == u'e')
                && numberFollows(pos_ + 1)) {
                ++pos_;
                continue;
            }
            if (isOperationKey(c))
                break;
            if (isDigit(c))
                digits = true;
            else if (c != u'E' && c != u'e' && !separator_.contains(c))
                decimal = false;
            ++pos_;
        }
        pieces_.append({text_.sliced(start, pos_ - start).trimmed().toString(), {}, start});
    }

    QStringView text_;
    QString separator_;
    qsizetype pos_ = 0;
    QList<ExpressionPiece> pieces_;
};

} // namespace

QList<ExpressionPiece> splitExpression(QStringView text)
{
    return Splitter(text).split();
}

bool isExpression(const QList<ExpressionPiece> &pieces)
{
    qsizetype entries = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].isKey())
            ++entries;
        else if (i + 1 < pieces.size())
            return true; // a key with more after it
    }
    return entries > 1;
}

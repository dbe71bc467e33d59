#include "app/evaluate.h"

#include "app/statustext.h"
#include "core/calculation.h"
#include "core/errors.h"
#include "core/expression.h"
#include "core/numeralparse.h"
#include "core/padengine.h"
#include "core/romannumeral.h"
#include "core/shiftstack.h"
#include "core/textservices.h"

#include <QCoreApplication>

#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

class Evaluator
{
public:
    Evaluator(std::FILE *out, std::FILE *err)
        : out_(out)
        , err_(err)
    { }

    bool evaluate(const QString &line)
    {
        ++lineNumber_;
        QList<ExpressionPiece> pieces = splitExpression(line);
        if (pieces.isEmpty())
            return print({});
        if (pieces.back().key != u'=')
            pieces.append({{}, u'=', line.size()});
        PadEngine pad;
        ShiftStack stack;
        Calculation calculation(pad, stack);
        try {
            for (const ExpressionPiece &piece : pieces) {
                if (piece.isKey()) {
                    calculation.press(piece.key);
                } else if (const std::optional<double> number = readEntry(piece.entry)) {
                    calculation.enter(*number);
                } else {
                    return fail(statustext::unreadable(piece.entry, {}));
                }
            }
        } catch (const RuntimeError &error) {
            return fail(error.text());
        }
        const double shown = calculation.shown();
        return print(numberText(shown) + u'\t' + romanNumeral(shown));
    }

private:
    bool print(const QString &result)
    {
        std::fputs(result.toUtf8().append('\n').constData(), out_);
        return true;
    }

    bool fail(const QString &why)
    {
        const QString message = QCoreApplication::translate(
            "Evaluate", "line %1: %2", "%1 is the number of the input line, %2 what went wrong")
                                    .arg(lineNumber_)
                                    .arg(why);
        std::fputs(message.toUtf8().append('\n').constData(), err_);
        print({});
        return false;
    }

    std::FILE *out_;
    std::FILE *err_;
    int lineNumber_ = 0;
};

} // namespace

int evaluateLine(const QString &line, std::FILE *out, std::FILE *err)
{
    return Evaluator(out, err).evaluate(line) ? 0 : 1;
}

int evaluateLines(std::FILE *in, std::FILE *out, std::FILE *err)
{
    Evaluator evaluator(out, err);
    int status = 0;
    const auto evaluate = [&](std::string_view line) {
        if (!evaluator.evaluate(QString::fromUtf8(line.data(), qsizetype(line.size())).trimmed()))
            status = 1;
    };
    // Whole blocks are read and their lines calculated; what is printed is
    // flushed before the next read can wait for more. So each result leaves
    // as soon as it is known to a pipe, without a write for every line of a
    // file.
    std::string pending;
    std::vector<char> block(1 << 16);
    for (;;) {
        const ssize_t got = ::read(fileno(in), block.data(), block.size());
        if (got <= 0)
            break;
        pending.append(block.data(), std::size_t(got));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1)
            evaluate(std::string_view(pending).substr(start, end - start));
        pending.erase(0, start);
        std::fflush(out);
        std::fflush(err);
    }
    if (!pending.empty())
        evaluate(pending);
    std::fflush(out);
    return status;
}

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
        std::fflush(out_);
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
    std::string line;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in)) {
        line += buffer;
        if (line.back() != '\n' && !std::feof(in))
            continue;
        if (!evaluator.evaluate(QString::fromUtf8(line).trimmed()))
            status = 1;
        line.clear();
    }
    if (!line.empty() && !evaluator.evaluate(QString::fromUtf8(line).trimmed()))
        status = 1;
    return status;
}

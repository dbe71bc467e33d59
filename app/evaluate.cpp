#include "app/evaluate.h"

#include "core/calculation.h"
#include "core/calculator.h"
#include "core/errors.h"
#include "core/exacttext.h"
#include "core/feeder.h"
#include "core/reader.h"
#include "core/romannumeral.h"
#include "core/statustext.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A write that failed (a closed pipe, a full disk) ends the run: nobody
// reads what follows.
struct WriteFailed
{
    int error;
};

void write(std::FILE *file, const QString &text)
{
    // Written whole, with its length: a NUL would end fputs early.
    const QByteArray bytes = text.toUtf8().append('\n');
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file)
        != std::size_t(bytes.size()))
        throw WriteFailed {errno};
}

void flush(std::FILE *file)
{
    if (std::fflush(file) != 0)
        throw WriteFailed {errno};
}

// One session at the calculator: a line that ends waiting for an operand
// goes on in the next, as in the window.
class Evaluator
{
public:
    Evaluator(std::FILE *out, std::FILE *err, bool explain)
        : out_(out)
        , err_(err)
        , explain_(explain)
    { }

    bool evaluate(QStringView line)
    {
        ++lineNumber_;
        QList<Feeder::Result::Mismatch> wrong;
        try {
            const Feeder::Result result = feeder_.feedLine(line, true);
            // What the line did other than what it says is told, though the
            // result stands.
            for (const QString &note : result.notes)
                tell(note);
            if (result.unread())
                return fail(statustext::unreadable(result.entry, {}));
            wrong = result.wrong;
        } catch (const RuntimeError &error) {
            return fail(error.text());
        }
        if (line.trimmed().isEmpty()) {
            write(out_, {});
            return true;
        }
        const double shown = calculation_.shown();
        QString result = exactDecimal(shown) + u'\t' + romanNumeral(shown);
        if (explain_)
            result += u'\t' + romanBreakdown(shown);
        write(out_, result);
        // A line that wrote its result wrongly is calculated all the same.
        for (const Feeder::Result::Mismatch &mismatch : std::as_const(wrong))
            tell(statustext::wrongResult(mismatch.written, mismatch.calculated));
        return wrong.isEmpty();
    }

private:
    void tell(const QString &what)
    {
        write(err_,
            QCoreApplication::translate(
                "Evaluate", "line %1: %2", "%1 is the number of the input line, %2 what went wrong")
                .arg(lineNumber_)
                .arg(what));
    }

    bool fail(const QString &why)
    {
        tell(why);
        write(out_, {});
        // The next line starts afresh, not from what this one left.
        calculation_.clearAll();
        return false;
    }

    std::FILE *out_;
    std::FILE *err_;
    bool explain_;
    Calculator calculator_;
    Calculation &calculation_ = calculator_.calculation();
    Feeder feeder_ {calculation_};
    int lineNumber_ = 0;
};

// The standard streams that were closed when the program started.
bool closedAtStart[3] = {};

// Why a stream cannot be used, in words: a closed one is no system error.
QString why(int error, bool closed, bool input)
{
    if (closed || error == EBADF)
        return input ? QCoreApplication::translate("Evaluate", "standard input is closed")
                     : QCoreApplication::translate("Evaluate", "standard output is closed");
    return QString::fromLocal8Bit(std::strerror(error));
}

int failed(std::FILE *err, const QString &message)
{
    const QByteArray bytes = message.toUtf8().append('\n');
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), err);
    return 1;
}

int writeFailed(std::FILE *err, const WriteFailed &failure)
{
    return failed(err,
        QCoreApplication::translate(
            "Evaluate", "roman-calculator: the results could not be written: %1")
            .arg(why(failure.error, false, false)));
}

// Results that would go nowhere are not calculated.
void checkOpen(std::FILE *out)
{
    const int handle = fileno(out);
    if (handle >= 0 && handle < 3 && closedAtStart[handle])
        throw WriteFailed {EBADF};
}

} // namespace

int evaluateLine(const QString &line, std::FILE *out, std::FILE *err, bool explain)
{
    try {
        checkOpen(out);
        Evaluator evaluator(out, err, explain);
        int status = 0;
        for (const QStringView part : splitLines(line)) {
            if (!evaluator.evaluate(part))
                status = 1;
        }
        flush(out);
        return status;
    } catch (const WriteFailed &failure) {
        return writeFailed(err, failure);
    }
}

int evaluateLines(std::FILE *in, std::FILE *out, std::FILE *err, bool explain)
{
    try {
        checkOpen(out);
        Evaluator evaluator(out, err, explain);
        int status = 0;
        const auto evaluate = [&](std::string_view line) {
            if (!evaluator.evaluate(QString::fromUtf8(line.data(), qsizetype(line.size()))))
                status = 1;
        };
        // Whole blocks are read and their lines calculated; what is printed is
        // flushed before the next read can wait for more. So each result leaves
        // as soon as it is known to a pipe, without a write for every line of a
        // file.
        std::string pending;
        std::vector<char> block(1 << 16);
        const int handle = fileno(in);
        for (;;) {
            const ssize_t got = ::read(handle, block.data(), block.size());
            if (got < 0 && errno == EINTR)
                continue;
            // A failed read is no end of the input: what came before it was
            // calculated, and the run ends saying so.
            const bool closed = handle >= 0 && handle < 3 && closedAtStart[handle];
            if (got < 0 || closed) {
                flush(out);
                return failed(err,
                    QCoreApplication::translate(
                        "Evaluate", "roman-calculator: the input could not be read: %1")
                        .arg(why(errno, closed, true)));
            }
            if (got == 0)
                break;
            pending.append(block.data(), std::size_t(got));
            std::size_t start = 0;
            for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
                 start = end + 1)
                evaluate(std::string_view(pending).substr(start, end - start));
            pending.erase(0, start);
            flush(out);
            flush(err);
        }
        if (!pending.empty())
            evaluate(pending);
        flush(out);
        return status;
    } catch (const WriteFailed &failure) {
        return writeFailed(err, failure);
    }
}

void reopenClosedStandardStreams()
{
    for (int handle = 0; handle < 3; ++handle) {
        if (::fcntl(handle, F_GETFD) != -1 || errno != EBADF)
            continue;
        closedAtStart[handle] = true;
        // The lowest free number: this one.
        ::open("/dev/null", handle == 0 ? O_RDONLY : O_WRONLY);
    }
}

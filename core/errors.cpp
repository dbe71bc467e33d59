#include "core/errors.h"

#include <QtGlobal>

#include <utility>

RuntimeError::RuntimeError(int number, QString text)
    : number_(number)
    , text_(std::move(text))
    , what_(QStringLiteral("Run-time error %1: %2").arg(number_).arg(text_).toStdString())
{ }

OverflowError::OverflowError()
    : RuntimeError(6, QStringLiteral("Overflow: a number grew too large for the space it has."))
{ }

ArithmeticError::ArithmeticError()
    : RuntimeError(11,
        QStringLiteral("Arithmetic error: the result is too large, or not a number. "
                       "Press Clear to start again."))
{ }

ConversionError::ConversionError(const QString &what)
    : RuntimeError(13, QStringLiteral("Conversion error: %1").arg(what))
{ }

namespace {

// Without a window to show it in, an error still reaches the person running
// the program; the application installs a message box instead.
void warn(const RuntimeError &error)
{
    qWarning("%s", error.what());
}

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter = warn;
    return reporter;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(currentReporter(), reporter ? std::move(reporter) : warn);
}

void reportError(const RuntimeError &error)
{
    currentReporter()(error);
}

#include "core/errors.h"

#include <QCoreApplication>

#include <utility>

RuntimeError::RuntimeError(int number, QString text)
    : number_(number)
    , text_(std::move(text))
    , what_(QCoreApplication::translate(
          "RuntimeError", "Run-time error %1: %2", "%1 is the error's number, %2 its message")
                .arg(number_)
                .arg(text_)
                .toStdString())
{ }

OverflowError::OverflowError()
    : RuntimeError(6,
        QCoreApplication::translate(
            "RuntimeError", "Overflow: a number grew too large for the space it has."))
{ }

ArithmeticError::ArithmeticError()
    : RuntimeError(11,
        QCoreApplication::translate(
            "RuntimeError", "Arithmetic error: the result is too large, or not a number."))
{ }

ConversionError::ConversionError(const QString &what)
    : RuntimeError(13,
        QCoreApplication::translate(
            "RuntimeError", "Conversion error: %1", "%1 says which setting and why")
            .arg(what))
{ }

namespace {

// Without a window to show it in, an error still reaches the person running
// the program; the window installs a reporter that shows it on its status
// line.
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

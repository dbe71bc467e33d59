#include "widgets/errors.h"

#include <QApplication>
#include <QMessageBox>

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

void showMessageBox(const RuntimeError &error)
{
    QMessageBox::warning(
        QApplication::activeWindow(), QApplication::applicationDisplayName(), error.text());
}

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter = showMessageBox;
    return reporter;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(currentReporter(), reporter ? std::move(reporter) : showMessageBox);
}

void reportError(const RuntimeError &error)
{
    currentReporter()(error);
}

#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <string>

// Run-time errors of the calculator. They travel as exceptions through the
// component code and its plain C++ events, and are stopped by guarded() at
// every place where Qt calls into us, because an exception must never unwind
// through Qt's own dispatch.
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString text);

    int number() const { return number_; }
    QString text() const { return text_; }
    const char *what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString text_;
    std::string what_;
};

// A 16-bit (or 32-bit) integer result out of range.
class OverflowError : public RuntimeError
{
public:
    OverflowError();
};

// A floating-point result that is not a finite number.
class ArithmeticError : public RuntimeError
{
public:
    ArithmeticError();
};

// A stored setting that cannot be read as the type it must have.
class ConversionError : public RuntimeError
{
public:
    explicit ConversionError(const QString &what);
};

using ErrorReporter = std::function<void(const RuntimeError &)>;

// Replaces the reporter and returns the previous one; an empty one restores
// the default, a warning on the console. The window shows the error on its
// status line.
ErrorReporter setErrorReporter(ErrorReporter reporter);
void reportError(const RuntimeError &error);

// Runs body; a run-time error that escapes it is reported and the program
// goes on. Every Qt entry point (slot, event override) runs through this.
template<typename Body> void guarded(Body &&body) noexcept
{
    try {
        body();
    } catch (const RuntimeError &error) {
        reportError(error);
    }
}

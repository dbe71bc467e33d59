#pragma once

// Shared set-up for the calculator's Qt Test programs: every test runs
// headless, in a pinned locale, with run-time errors recorded instead of shown.

#include "core/errors.h"
#include "widgets/fonts.h"

#include <QLocale>
#include <QTest>

#include <vector>

// Records the numbers of the errors reported while it lives.
class RecordingReporter
{
public:
    RecordingReporter()
        : previous_(
            setErrorReporter([this](const RuntimeError &e) { numbers.push_back(e.number()); }))
    { }
    ~RecordingReporter() { setErrorReporter(previous_); }
    RecordingReporter(const RecordingReporter &) = delete;
    RecordingReporter &operator=(const RecordingReporter &) = delete;

    std::vector<int> numbers;

private:
    ErrorReporter previous_;
};

inline constexpr int OverflowNumber = 6;
inline constexpr int ArithmeticNumber = 11;
inline constexpr int ConversionNumber = 13;

// A locale for the length of a scope; tests start in American English.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

#define ROMAN_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        /* The desktop font of the design: the window opens at its design size. */                 \
        QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));                  \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        setErrorReporter([](const RuntimeError &e) {                                               \
            QFAIL(qPrintable(QStringLiteral("unexpected run-time error: %1").arg(e.text())));      \
        });                                                                                        \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

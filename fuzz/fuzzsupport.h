#pragma once

// Shared helpers of the libFuzzer targets: turning fuzz bytes into texts,
// choosing the default locale, and reporting a violated property.

#include "tests/escapedtext.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {

// The text as a readable, escaped line for a failure report.
inline std::string describe(const QString &text)
{
    return escapedText(text);
}

inline std::string describe(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", value, value);
    return buffer;
}

// Prints what was violated with its context and aborts, so that libFuzzer
// saves the input as a crash artifact.
[[noreturn]] inline void fail(
    const char *file, int line, const char *what, const std::string &context)
{
    std::fprintf(stderr, "\n*** PROPERTY VIOLATED at %s:%d: %s\n*** %s\n", file, line, what,
        context.c_str());
    std::fflush(stderr);
    std::abort();
}

// The texts that fuzz bytes stand for.
inline QString fromUtf8(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Raw UTF-16 code units, little-endian, lone surrogates and all; an odd last
// byte is dropped.
inline QString fromUtf16(const std::uint8_t *data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}

// The two kinds of decimal separator: a point (English, United States) and a
// comma (German, Germany). Sets QLocale's default, which the text services
// follow, only when it changes.
inline void useLocale(bool comma)
{
    static const QLocale point(QLocale::English, QLocale::UnitedStates);
    static const QLocale german(QLocale::German, QLocale::Germany);
    static int current = -1;
    if (current != int(comma)) {
        QLocale::setDefault(comma ? german : point);
        current = int(comma);
    }
}

inline QChar separator(bool comma)
{
    return comma ? u',' : u'.';
}

} // namespace fuzz

#define FUZZ_CHECK(condition, context)                                                             \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzz::fail(__FILE__, __LINE__, #condition, (context));                               \
    } while (false)

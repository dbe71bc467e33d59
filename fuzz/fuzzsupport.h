#pragma once

// Shared by the fuzz targets: texts from fuzz bytes, the locales the text
// services must follow (QLocale's default), and the report of a broken property.

#include "tests/escapedtext.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace fuzz {

// UTF-8, or raw UTF-16LE code units with lone surrogates and all (an odd last
// byte is dropped).
inline QString fromBytes(const std::uint8_t *data, std::size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}

// A point, a comma and a separator beyond ASCII (U+066B).
inline const QLocale Locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
    QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Arabic, QLocale::Egypt)};

// A number to its last bit (17 significant digits tell any two doubles apart), or "nothing".
inline std::string describe(std::optional<double> value)
{
    return value ? QString::number(*value, 'g', 17).toStdString() : "nothing";
}

inline std::string describe(const QString &text)
{
    return escapedText(text, 200);
}

// Reports a broken condition with the names and values of what it is about,
// and aborts, so that libFuzzer keeps the input and a replay fails.
template<typename... Values>
[[noreturn]] void fail(int line, const char *condition, const char *names, const Values &...values)
{
    std::fprintf(
        stderr, "\n*** PROPERTY VIOLATED at line %d: %s\n*** with %s:\n", line, condition, names);
    (std::fprintf(stderr, "*** %s\n", describe(values).c_str()), ...);
    std::abort();
}

} // namespace fuzz

// FUZZ_CHECK(condition, values...): the values, named in the report, tell what broke it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    ((condition) ? void() : fuzz::fail(__LINE__, #condition, #__VA_ARGS__, __VA_ARGS__))

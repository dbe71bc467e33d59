#pragma once

// Shared by the fuzz targets: texts from fuzz bytes, the locales the text
// services must follow, and the report of a broken property.

#include "tests/escapedtext.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace fuzz {

inline std::string describe(std::optional<double> value)
{
    char buffer[64] = "nothing";
    if (value)
        std::snprintf(buffer, sizeof buffer, "%.17g (%a)", *value, *value);
    return buffer;
}

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

// Makes locale the default, which the text services follow, and returns its
// decimal separator.
inline QString useLocale(const QLocale &locale)
{
    QLocale::setDefault(locale);
    return locale.decimalPoint();
}

} // namespace fuzz

// Aborts, so that libFuzzer keeps the input and a replay fails.
#define FUZZ_CHECK(condition, context)                                                             \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "\n*** PROPERTY VIOLATED at line %d: %s\n*** %s\n", __LINE__,     \
                #condition, std::string(context).c_str());                                         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

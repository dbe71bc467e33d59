#include "core/exacttext.h"

#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QLocale>

#include <charconv>
#include <cmath>

QString exactDecimal(double value)
{
    const QString shown = numberText(value);
    if (!std::isfinite(value) || parseNumber(shown) == value)
        return shown;
    // The shortest form that round-trips, which 17 digits always reach.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

QString exactText(double value)
{
    return romanIsExact(value) ? romanNumeral(value) : exactDecimal(value);
}

#include "widgets/propertybag.h"

#include "core/errors.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const
{
    return values_.value(name, defaultValue);
}

void PropertyBag::writeProperty(
    const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue)
        values_.remove(name);
    else
        values_.insert(name, value);
}

std::int16_t toInt16(const QVariant &value, const QString &name)
{
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString
        ? value.toString().trimmed().toDouble(&ok)
        : value.toDouble(&ok);
    const bool whole = ok && std::isfinite(number) && number == std::trunc(number);
    if (!whole || number < std::numeric_limits<std::int16_t>::min()
        || number > std::numeric_limits<std::int16_t>::max()) {
        const QString why = QCoreApplication::translate("PropertyBag",
            "the setting \"%1\" is not a small whole number.",
            "follows \"Conversion error: \"; %1 is the setting's name");
        throw ConversionError(why.arg(name));
    }
    return static_cast<std::int16_t>(number);
}

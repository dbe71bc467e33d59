#pragma once

#include <QString>
#include <QVariantMap>

#include <cstdint>

// A component's saved design settings: named values, where a value equal to
// its default is not stored at all.
class PropertyBag
{
public:
    QVariant readProperty(const QString &name, const QVariant &defaultValue) const;
    void writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);

    bool contains(const QString &name) const { return values_.contains(name); }

private:
    QVariantMap values_;
};

// A saved value as a 16-bit integer. Throws ConversionError for anything that
// is not a whole number in -32768..32767, so a corrupt setting never slips in.
std::int16_t toInt16(const QVariant &value, const QString &name);

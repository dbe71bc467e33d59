#include "app/tape/tapeline.h"

#include "core/textservices.h"

#include <cmath>

namespace {

// A field of the tab-separated line, read back exactly by unescaped().
QByteArray tapeField(const QString &text)
{
    return escaped(text, {.backslash = true}).toUtf8();
}

std::optional<QString> unescaped(QByteArrayView field)
{
    QByteArray out;
    if (field.contains('\\')) {
        out.reserve(field.size());
        for (qsizetype i = 0; i < field.size(); ++i) {
            if (field[i] != '\\') {
                out += field[i];
                continue;
            }
            const qsizetype which
                = ++i < field.size() ? QByteArrayView("\\tnr").indexOf(field[i]) : -1;
            if (which < 0)
                return std::nullopt;
            out += "\\\t\n\r"[which];
        }
        field = out;
    }
    if (field.isEmpty() || !field.isValidUtf8())
        return std::nullopt;
    return QString::fromUtf8(field);
}

} // namespace

QByteArray tapeLine(const TapeEntry &entry)
{
    const QByteArray result = entry.result ? QByteArray::number(*entry.result, 'g', 17) : "";
    return result + '\t' + tapeField(entry.decimal) + '\t' + tapeField(entry.roman);
}

std::optional<TapeEntry> readTapeLine(QByteArrayView line)
{
    const qsizetype first = line.indexOf('\t');
    const qsizetype second = first < 0 ? -1 : line.indexOf('\t', first + 1);
    if (second < 0 || line.indexOf('\t', second + 1) >= 0)
        return std::nullopt;
    TapeEntry entry;
    if (first > 0) {
        bool ok = false;
        entry.result = line.first(first).toDouble(&ok);
        if (!ok || !std::isfinite(*entry.result))
            return std::nullopt;
    }
    std::optional<QString> decimal = unescaped(line.sliced(first + 1, second - first - 1));
    std::optional<QString> roman = unescaped(line.sliced(second + 1));
    if (!decimal || !roman)
        return std::nullopt;
    entry.decimal = std::move(*decimal);
    entry.roman = std::move(*roman);
    return entry;
}

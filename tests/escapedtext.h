#pragma once

// A text as one readable, escaped line for failure reports of the test tools:
// printable ASCII as it is, everything else as \uXXXX, cut after limit
// characters (unless it is negative) with the full length noted.

#include <QString>

#include <string>

inline std::string escapedText(const QString &text, qsizetype limit = -1)
{
    std::string out = "\"";
    for (const QChar character : QStringView(text).left(limit)) {
        const char16_t u = character.unicode();
        const bool plain = u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\';
        out += plain ? std::string(1, char(u)) : QString::asprintf("\\u%04X", u).toStdString();
    }
    out += '"';
    if (limit >= 0 && limit < text.size())
        out += "...(" + std::to_string(text.size()) + " chars)";
    return out;
}

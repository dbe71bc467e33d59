#pragma once

// A text as one readable, escaped line for failure reports of the test tools:
// printable ASCII as it is, everything else as \uXXXX, cut after limit
// characters with the full length noted.

#include <QString>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

inline std::string escapedText(
    const QString &text, qsizetype limit = std::numeric_limits<qsizetype>::max())
{
    std::string out = "\"";
    const qsizetype shown = std::min(text.size(), limit);
    for (qsizetype i = 0; i < shown; ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\') {
            out += char(u);
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(u));
            out += buffer;
        }
    }
    out += '"';
    if (shown < text.size())
        out += "...(" + std::to_string(text.size()) + " chars)";
    return out;
}

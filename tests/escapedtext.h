#pragma once

// A text as one readable, escaped line for failure reports of the test tools:
// printable ASCII as it is, everything else escaped, cut after limit
// characters (unless it is negative) with the full length noted.

#include "core/textservices.h"

#include <QString>

#include <string>

inline std::string escapedText(const QString &text, qsizetype limit = -1)
{
    const QString shown = escaped(text.left(limit < 0 ? text.size() : limit),
        {.backslash = true, .controls = true, .beyondAscii = true});
    std::string out = '"' + shown.toStdString() + '"';
    if (limit >= 0 && limit < text.size())
        out += "...(" + std::to_string(text.size()) + " chars)";
    return out;
}

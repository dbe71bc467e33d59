#pragma once

#include <QString>

#include <cstdint>

// What the status line says, in the words of a person at the calculator.
namespace statustext {

// Why a text in the type-in box is not read, and the key that went unused.
QString unreadable(const QString &text, const QString &unusedKey);

// How a Roman numeral outside the standard form was read; "" for any other
// text, and for a numeral already in the form the Roman readout writes.
QString romanHint(const QString &text, double value);

// The calculation in progress: the pending operation and the open
// parentheses; "" when nothing is pending.
QString progress(double acc, std::int16_t pend, int openParentheses, bool outermostDropped);

QString copied(const QString &text);

} // namespace statustext

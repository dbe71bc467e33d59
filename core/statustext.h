#pragma once

#include "core/calculation.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>

// What the status line says, in the words of a person at the calculator.
namespace statustext {

// Why a text in the type-in box is not read, and the key that went unused,
// or the rest of a pasted calculation that was not entered.
QString unreadable(const QString &text, const QString &unusedKey, const QString &pasteRest = {});

// How an entry was read where the reading may surprise: a Roman numeral
// outside the standard form, a hexadecimal entry read only in part; "" for
// any other text.
QString readingHint(const QString &text, double value);

// What the last action did that the readouts do not show; "" for nothing.
QString note(const Calculation &calculation);

// That "=" closed the parentheses still open before it finished.
QString closedParentheses(int count);

// The calculation in progress: the pending operation and the open
// parentheses; "" when nothing is pending.
QString progress(const Calculation &calculation);

QString copied(const QString &text);

// That the Roman readout shows the value rounded, and to what; "" when it
// shows the value as it is.
QString rounded(double value);

// What a paste of several lines did: how many calculations it finished, and
// why it stopped at a line (from 1), if it did.
QString linesCalculated(int calculated, int stoppedLine = 0, const QString &why = {});

// What a paste did where lines wrote results other than the ones
// calculated: how many calculations it finished, then each wrong line (from
// 1) and what it wrote.
QString wrongLines(int calculated, const QList<std::pair<int, QString>> &wrong);

// That a line calculates with a numeral marked as rounded ("≈II"), so
// that the results it wrote are not checked.
QString roundedNumerals();

// That a line wrote a result other than the one calculated, each as the line
// writes it: "written XX, calculated XXI".
QString wrongResult(const QString &written, const QString &calculated);

// A run-time error, marked as one in words as well as by its sign, with the
// calculation in progress after it when there is one.
QString error(const QString &text, const QString &progress);

} // namespace statustext

#pragma once

#include <QString>

#include <optional>

// How an entry was read where the reading may surprise a person: a Roman
// numeral outside the standard form (IC is 101, not 99), or a hexadecimal
// entry read only up to a character that is no digit. The status line, the
// tape and --eval each tell it in their own words, from this one finding.
struct EntryReading
{
    // The entry as read, with its sign: a numeral in upper case, a
    // hexadecimal entry as typed, so that the character it stopped at is
    // shown as it stands.
    QString typed;
    double value = 0;
    // The numeral the calculator writes for the value, where it writes one
    // exactly.
    QString standard;
    // For a hexadecimal entry, the text where reading stopped.
    QString stoppedAt;
};

// None for an entry read as it stands: a decimal number, a standard numeral.
std::optional<EntryReading> surprisingReading(const QString &text, double value);

#pragma once

#include "core/tape.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

class QPrinter;

// The tape as it leaves the calculator: on the clipboard, in a file, on paper.

// Both lines of each entry, an empty line between entries: what Copy gives.
QString tapeText(const std::vector<const TapeEntry *> &entries);

// A table a spreadsheet reads: a heading row "result,decimal,roman", then a
// row for each entry, oldest first, the result in the C locale's form
// (empty for a calculation that failed). Fields are quoted where RFC 4180
// asks, lines end in CR LF, text is UTF-8.
QByteArray tapeCsv(const std::vector<const TapeEntry *> &entries);

// Prints the entries as a paper tape looks, oldest first, under a heading
// with the date and time of printing, on as many pages as they need.
void printTape(
    QPrinter &printer, const std::vector<const TapeEntry *> &entries, const QDateTime &when);

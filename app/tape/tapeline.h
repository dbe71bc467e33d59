#pragma once

#include "core/tape.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// One entry as a line of the tape's file, without its line feed, and back:
//
//     <result><TAB><decimal line><TAB><Roman line>
//
// The result is written in the C locale with 17 significant digits, and is
// empty for a calculation that failed; in the two texts a backslash, tab,
// newline or carriage return is written \\, \t, \n or \r. Text is UTF-8.
QByteArray tapeLine(const TapeEntry &entry);
std::optional<TapeEntry> readTapeLine(QByteArrayView line);

#pragma once

#include <QString>

#include <cstdio>

// Runs calculations without a window, through the same calculation as the
// window's keypad: each line is entered piece by piece from all clear and
// finished with "=" if it does not end with one. For each it prints what the
// two readouts would show, the decimal text and the Roman text separated by a
// tab; an entry that cannot be read or a failed calculation prints a message
// on err naming the line and an empty line on out, so that the output stays
// line for line with the input. With explain, each result has a third field:
// how its Roman numeral is built, as the readout's tooltip says (empty for a
// numeral of one part or none).
//
// Returns 0 when every line gave a result, else 1.
int evaluateLine(const QString &line, std::FILE *out, std::FILE *err, bool explain = false);
// Reads the lines from in until its end, printing each result as soon as it
// is known, so that it works in a pipe. A line may be of any length.
int evaluateLines(std::FILE *in, std::FILE *out, std::FILE *err, bool explain = false);

// Called first thing: a standard stream that was closed as the program
// started is opened on /dev/null, so that no file the program opens later
// takes its number, and what is read or written there; evaluateLines() then
// says that it is closed.
void reopenClosedStandardStreams();

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A line that writes down a calculation together with its result, as the
// tape writes it or a teacher's column does: "XII + IX = XXI", and the
// running result the tape writes before a multiplication or a division,
// "2 + 3 = 5, × 4 = 20". Such a line is calculated once and each result
// written compared with the one calculated, rather than entered again.

// A result as the line writes it.
struct WrittenResult
{
    // As typed, without the blanks around it.
    QString text;
    double value = 0;
    // A mark for a value without a numeral: the tape's "∅", or the Roman
    // readout's text for zero or a number out of its range.
    bool fixedText = false;
};

struct CheckedLine
{
    // The calculation in the order written, cut where a result is written:
    // each part after the first goes on from the result before it, with the
    // operation it starts with ("× 4"). A numeral in the Roman readout's
    // forms for a negative number and zero, "(VII)" and "- - - - - -", is
    // that number here, as the tape writes it.
    QStringList parts;
    // The result written after each part.
    QList<WrittenResult> written;
    // A numeral in the calculation is marked as rounded ("≈II"): it reads as
    // the numeral, and the results written can be no check of it.
    bool rounded = false;
};

// The line as a checked calculation: one or more parts, each followed by
// "=" and a result that reads, a comma after each but the last. Nothing for
// a line with no written result, or one that does not read.
std::optional<CheckedLine> checkedLine(QStringView line);

// A result written other than the one calculated, each as the line writes
// it: a Roman numeral for a numeral, else a decimal number.
struct WrongResult
{
    QString written;
    QString calculated;
};

// How the result written differs from the one calculated; nothing when it
// says what was calculated, as the calculator writes it: 0.3 for 0.1 + 0.2,
// II for 2.5 where halves are not written.
std::optional<WrongResult> compare(const WrittenResult &written, double calculated);

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class Calculation;

// Feeds a person's text into a calculation piece by piece, exactly as each
// piece would be typed: what the window does with a paste, a drop or a tape
// entry put back, and what --eval does with each line. The pieces come from
// the one reader; a number that comes with its key goes in first.
class Feeder
{
public:
    explicit Feeder(Calculation &calculation)
        : calculation_(calculation)
    { }

    struct Result
    {
        // The entry the text stopped at: one that cannot be read, or the
        // last one, still waiting for its key. Empty when a key came last.
        QString entry;
        // The entry's value; none when it cannot be read.
        std::optional<double> value;
        // The text after an unreadable entry, which was not entered, and the
        // line from that entry on.
        QString rest;
        QString unreadLine;
        // What the calculator did other than what was written, in the status
        // line's words: entries read leniently or in part, parentheses that
        // "=" closed.
        QStringList notes;
        // The lines that ended a calculation with "=", and the line, from 1,
        // that the text stopped at.
        int calculated = 0;
        int line = 0;
        // The lines that held anything.
        int lines = 0;

        bool unread() const { return !entry.isEmpty() && !value; }
    };

    // One line. With finish, a line that does not end waiting for an
    // operand is finished with "=" if it has none.
    Result feedLine(QStringView text, bool finish);

    // A text of one line is entered as typed; a text of several lines is
    // several calculations, each line finished, as --eval finishes them. It
    // stops at an entry that cannot be read. Throws RuntimeError when a step
    // fails.
    Result feedText(QStringView text);

private:
    Calculation &calculation_;
};

#pragma once

#include "core/checkedline.h"

#include <QList>
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
        // The results a line wrote that are not the ones calculated, as
        // written and as calculated, with the line (from 1).
        struct Mismatch
        {
            QString written;
            QString calculated;
            int line = 0;
        };
        QList<Mismatch> wrong;

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

    // A text fed as feedText() feeds it, a slice at a time: a paste the
    // window enters from its event loop, which the person may stop. A slice
    // ends at a line's end; only a line longer than a slice is cut, after a
    // key that an entry follows, so that every piece is read as in the whole
    // text.
    class Slices
    {
    public:
        Slices(Feeder &feeder, QString text);
        Slices(const Slices &) = delete;
        Slices &operator=(const Slices &) = delete;

        // Feeds about the given number of pieces more; true when the text is
        // done, or stopped at an entry that cannot be read. Throws
        // RuntimeError when a step fails.
        bool feedSome(int pieces);
        // What was fed so far, as feedText() tells it.
        const Result &result() const { return total_; }
        // How much of the text was fed, in characters.
        qsizetype fed() const;
        qsizetype size() const { return text_.size(); }

    private:
        Feeder &feeder_;
        const QString text_;
        const QList<QStringView> lines_;
        const bool finish_;
        Result total_;
        qsizetype line_ = 0;
        // Where the line's next slice starts.
        qsizetype offset_ = 0;
        bool done_ = false;
    };

private:
    // A line that writes its results down: calculated once, each result
    // compared with the one written rather than entered.
    Result feedChecked(const CheckedLine &line);

    Calculation &calculation_;
};

// What the window does with each number and key as it arrives, and with
// what the calculation shows: the half of Calvaran that moves values between
// the type-in pad, the calculation and the readouts.

#include "app/window/calvaran.h"

#include "app/window/numeralchoices.h"
#include "app/window/pasterun.h"
#include "core/exacttext.h"
#include "core/feeder.h"
#include "core/numeralparse.h"
#include "core/reader.h"
#include "core/statustext.h"
#include "core/textservices.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"

#include <QCoreApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A paste that takes longer than this says how far it has come.
constexpr qint64 ProgressAfter = 500;
// The longest entry the type-in box is given whole.
constexpr qsizetype LongestShownEntry = 1 << 16;

} // namespace

void Calvaran::showValue(double value)
{
    arabDisplay1_->setValue(value);
    romanDisplay1_->setValue(value);
    // What Copy takes from an empty box.
    typeInPad1_->setResult(value);
}

void Calvaran::useNumeralFormsForThisRun(RomanForms forms)
{
    numeralChoices_->addForThisRun(forms);
}

void Calvaran::writeNumeralsAgain()
{
    if (!calculation_->failed())
        showValue(romanDisplay1_->value());
    showStatus();
}

void Calvaran::showFailure()
{
    // A failed calculation has no result to show, nor to copy.
    arabDisplay1_->setDisplay({});
    romanDisplay1_->setDisplay({});
    typeInPad1_->setResult(std::nullopt);
}

void Calvaran::typeInPadChanged()
{
    const QString key = typeInPad1_->conKey();
    const QString text = typeInPad1_->text();
    const double value = typeInPad1_->value();
    if (key.isEmpty()) {
        calculation_->enter(value, !text.isEmpty(), text);
        const QString hint = statustext::readingHint(text, value);
        // A numeral read leniently: the readout says how the rules counted it.
        if (!hint.isEmpty())
            romanDisplay1_->explain(romanReading(text));
        showStatus(hint);
        return;
    }
    // The number in the box came in the same edit as its key when it was
    // pasted, or was entered already; either way it goes in first.
    calculation_->press(key.front(), text.isEmpty() ? std::nullopt : std::optional(value), text);
    showStatus();
}

void Calvaran::typeInPadUnread()
{
    calculation_->forgetEntry();
    const QString entry = typeInPad1_->unreadEntry();
    const QString unused
        = typeInPad1_->unreadRest().isEmpty() ? typeInPad1_->conKey() : typeInPad1_->unreadRest();
    // "-" or "2E-" is a number on its way, unless a key came to end it.
    const bool unfinished = isUnfinishedNumber(entry) && unused.isEmpty();
    typeInPad1_->setProblem(unfinished ? QString() : statustext::unreadable(entry, unused));
    showStatus();
}

void Calvaran::typeInPadPasted(const QString &text)
{
    paste_.reset();
    paste_ = std::make_unique<PasteRun>(
        *calculation_, this, text, [this] { showSteps(false); }, [this] { pasteStep(); });
    pasteStep();
}

void Calvaran::pasteStep()
{
    showSteps(true);
    if (!paste_->done()) {
        if (paste_->elapsed() >= ProgressAfter)
            showStatus(QCoreApplication::translate("Calvaran",
                "Entering the paste: %1% (Escape stops it)", "%1 is a number from 0 to 100")
                           .arg(paste_->percent()));
        return;
    }
    // Not deleted here: it may be the caller.
    PasteRun *paste = paste_.release();
    paste->deleteLater();
#ifdef __GLIBC__
    // What a large paste took goes back to the system.
    connect(paste, &QObject::destroyed, [] { ::malloc_trim(0); });
#endif
    if (!paste->failed())
        showPasted(*paste);
}

void Calvaran::showPasted(const PasteRun &paste)
{
    const Feeder::Result &result = paste.result();
    const bool lines = result.lines > 1;
    // A calculation on one line that stops at an entry keeps what was not
    // entered in the box, for the person to mend.
    const QString entry = result.unread() && !lines ? result.unreadLine : result.entry;
    // Text far longer than a number is shown as its value, or as its
    // beginning and end: the box takes hundreds of times its size to lay it out.
    if (entry.size() > LongestShownEntry)
        typeInPad1_->showEntry(result.unread() ? entry.first(LongestShownEntry / 2)
                    + QStringLiteral(" \u2026 ") + entry.last(LongestShownEntry / 2)
                                               : exactText(result.value.value_or(0)));
    else if (!entry.isEmpty())
        typeInPad1_->showEntry(entry);
    if (paste.stopped()) {
        showStatus(QCoreApplication::translate("Calvaran",
            "The paste was stopped at %1%: what came before was entered, the rest was not",
            "%1 is a number from 0 to 100")
                       .arg(paste.percent()));
    } else if (result.unread()) {
        calculation_->forgetEntry();
        const QString why = statustext::unreadable(result.entry, {}, result.rest);
        typeInPad1_->setProblem(
            lines ? statustext::linesCalculated(result.calculated, result.line, why) : why);
        showStatus();
    } else if (!result.wrong.isEmpty()) {
        QList<std::pair<int, QString>> wrong;
        for (const Feeder::Result::Mismatch &mismatch : result.wrong)
            wrong.append(
                {mismatch.line, statustext::wrongResult(mismatch.written, mismatch.calculated)});
        showStatus(statustext::wrongLines(result.calculated, wrong));
    } else if (lines) {
        showStatus(statustext::linesCalculated(result.calculated));
    } else if (result.value && !result.entry.isEmpty()) {
        // As typed: an entry still in the box says how it was read; those
        // before it went to the tape with their calculation.
        showStatus(statustext::readingHint(result.entry, *result.value));
    } else {
        showStatus();
    }
}

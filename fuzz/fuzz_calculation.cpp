// The reader and the calculation it feeds, as --eval and a pasted line use
// them, with the tape writing down each step.
//
// Input: any bytes, read as UTF-8, as one line; the first byte also chooses
// the locale.
//
// Properties: no crash; a run-time error is the only exception; the pieces
// cover the text in order, each entry without blanks around it and without a
// key but an exponent's or a number's sign, so that reading is linear; a line
// that ends with a result shows a finite number, whose copy reads back as
// itself.

#include "fuzzsupport.h"

#include "core/calculation.h"
#include "core/calculator.h"
#include "core/errors.h"
#include "core/exacttext.h"
#include "core/feeder.h"
#include "core/numeralparse.h"
#include "core/reader.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 0)
        QLocale::setDefault(fuzz::Locales[data[0] % std::size(fuzz::Locales)]);
    const QString text = fuzz::fromBytes(data, size, false);

    qsizetype end = 0;
    for (const InputPiece &piece : readPieces(text)) {
        FUZZ_CHECK(
            piece.position >= end && piece.end > piece.position && piece.end <= text.size(), text);
        end = piece.end;
        if (piece.isKey())
            continue;
        FUZZ_CHECK(!piece.entry.isEmpty() && piece.entry.trimmed() == piece.entry, text);
    }

    Calculator calculator;
    Calculation &calculation = calculator.calculation();
    try {
        const Feeder::Result result = Feeder(calculation).feedLine(text, true);
        if (result.calculated == 1 && !calculation.failed()) {
            const double shown = calculation.shown();
            FUZZ_CHECK(std::isfinite(shown), text);
            FUZZ_CHECK(readEntry(exactText(shown)) == shown, text);
        }
    } catch (const RuntimeError &) { }
    return 0;
}

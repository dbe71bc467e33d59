// roman-soak: random input on the real calculator window, checking after every
// input the rules that hold whatever was typed. It knows nothing of what a
// calculation should come to: it checks that the readouts never show a number
// wrongly, that the pad is never left mid-edit, that no error goes unreported
// and that no exception gets out.
//
//     roman-soak --seed S --events N [--trace]
//
// replays a run of the same build exactly; LC_ALL=de_DE.UTF-8 runs it with a
// decimal comma. A failure prints the seed, the input number, a short state and
// the last inputs.

#include "app/evaluate.h"
#include "app/tape/tapepanel.h"
#include "app/window/calvaran.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "core/errors.h"
#include "core/exacttext.h"
#include "core/numeralparse.h"
#include "core/romannumeral.h"
#include "core/textservices.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "tests/escapedtext.h"
#include "tests/support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <ranges>
#include <string>
#include <vector>

namespace {

enum ErrorNumber { OverflowNumber = 6, ArithmeticNumber = 11 };
constexpr QStringView Keys = u"+-*/()=r";
// Keys that end an entry, copy, or move the cursor or the selection into the
// text.
constexpr QKeyCombination OtherKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Left, Qt::Key_Home,
    Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Home, Qt::CTRL | Qt::Key_C};

template<typename Choice> using Weighted = std::vector<std::pair<std::uint64_t, Choice>>;

struct Input
{
    std::string what;
    std::function<void()> perform;
    int overflows = -1;     // overflow errors it must report; -1 when it may report any
    bool clearsAll = false; // leaves the window as a new one
};

class Soak
{
public:
    Soak()
    {
        window_.show();
        window_.activateWindow();
        if (!QTest::qWaitForWindowActive(&window_))
            qFatal("roman-soak: the window was not activated");
        setErrorReporter([this](const RuntimeError &error) {
            reported_.push_back(error.number());
            window_.showError(error);
        });
        window_.parenBase()->pop.connect([this] { popped_ = true; });
        // Once a calculation ends, the tape's newest entry names the result
        // the readouts show next, or the error instead of one.
        QObject::connect(window_.tapePanel()->model(), &QAbstractItemModel::rowsInserted, [this] {
            const TapeEntry &entry = window_.tapePanel()->entries().back();
            const QString error = u' ' + ArithmeticError().text();
            if (!entry.result && !(entry.decimal.endsWith(error) && entry.roman.endsWith(error)))
                failure_ = "the tape's failed entry is " + escapedText(entry.decimal);
            awaitingResult_ = entry.result.has_value();
        });
        QObject::connect(window_.tapePanel()->model(), &QAbstractItemModel::modelReset,
            [this] { awaitingResult_ = false; });
        window_.romanDisplay()->change.connect([this] {
            if (!std::exchange(awaitingResult_, false))
                return;
            const TapeEntry &entry = window_.tapePanel()->entries().back();
            if (!((entry.decimal + u';').contains(" = " + arabVal_->text() + u';')
                    && (entry.roman + u';')
                           .contains(" = " + tapeRomanText(window_.romanDisplay()->value()) + u';')
                    && *entry.result == window_.arabDisplay()->value()))
                failure_ = "the tape's entry " + escapedText(entry.decimal + " | " + entry.roman)
                    + " does not name the result shown";
        });
    }

    ~Soak() { setErrorReporter({}); }

    int run(std::uint64_t seed, long long inputs, bool trace)
    {
        rng_.seed(seed);
        for (long long n = 0; n <= inputs; ++n) {
            if (const std::string failure = n == 0 ? check() : step(trace); !failure.empty()) {
                std::fprintf(stderr, "roman-soak: seed %llu, input %lld: %s\n  box %s, Acc %g\n",
                    static_cast<unsigned long long>(seed), n, failure.c_str(),
                    escapedText(box_->text(), 60).c_str(), window_.parenBase()->acc());
                for (const std::string &line : history_)
                    std::fprintf(stderr, "  %s\n", line.c_str());
                return 1;
            }
        }
        std::printf("roman-soak: %lld inputs passed\n", inputs);
        return 0;
    }

private:
    // ---- random input --------------------------------------------------------------

    std::uint64_t below(std::uint64_t n) { return rng_() % n; }
    bool chance(int percent) { return below(100) < std::uint64_t(percent); }
    template<typename List> auto oneOf(const List &list) -> decltype(list[0])
    {
        return list[below(std::size(list))];
    }

    // A choice from the table, each as often as its weight says.
    template<typename Choice> const Choice &pick(const Weighted<Choice> &table)
    {
        const auto weights = std::views::keys(table);
        return table[std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(rng_)]
            .second;
    }

    // Entries, or parts of them, of the given number of pieces.
    QString pieces(int count)
    {
        QString out;
        for (int i = 0; i < count; ++i)
            out += oneOf(pick(pieceKinds_).split(u' '));
        return out.replace(u'.', QLocale().decimalPoint()).replace(u'_', u' ');
    }

    // One key a character, as a keyboard or an input method delivers it.
    Input type(const QString &text)
    {
        return {"type " + escapedText(text, 60), [this, text] {
                    for (const char32_t c : text.toUcs4())
                        QTest::sendKeyEvent(QTest::Click, box_,
                            c < 0x7f ? Qt::Key(QChar::toUpper(c)) : Qt::Key_unknown,
                            QString::fromUcs4(&c, 1), Qt::NoModifier);
                }};
    }

    Input paste(const QString &text, bool replace, int overflows = -1)
    {
        return {(replace ? "paste over all " : "paste ") + escapedText(text, 60),
            [this, text, replace] {
                if (replace)
                    box_->selectAll();
                QGuiApplication::clipboard()->setText(text);
                box_->paste();
            },
            overflows};
    }

    Input press(QKeyCombination key, QWidget *to = nullptr)
    {
        to = to ? to : box_;
        return {"press " + QKeySequence(key).toString().toStdString(),
            [to, key] { QTest::keyClick(to, key.key(), key.keyboardModifiers()); }};
    }

    // Escape, from wherever the focus is.
    Input clearAll()
    {
        Input input = press(Qt::Key_Escape, QApplication::focusWidget());
        input.clearsAll = true;
        return input;
    }

    // A calculation in one paste: entries and keys, a sign here and there,
    // blanks and line breaks between them.
    Input pasteCalculation()
    {
        QString text;
        for (int i = 1 + int(below(8)); i > 0; --i) {
            text += oneOf(QStringView(u"   \t\n")) + pieces(1 + int(below(2)));
            text += chance(50) ? QString(oneOf(Keys)) : QString();
            text += chance(20) ? QStringLiteral("-") : QString();
        }
        return paste(text, chance(50));
    }

    // One calculation three ways, each in a window of its own: typed at full
    // speed, pasted, and given to --eval. All three come to the same result,
    // status and tape, and Copy of the result reads back as that result.
    // Only where every entry reads and nothing fails: typing goes on past an
    // entry that a paste stops at.
    Input threeRoutes()
    {
        QString text;
        for (int i = 1 + int(below(6)); i > 0; --i) {
            // Parentheses left open for "=" to close, signed numerals of
            // every form, and an operation key pressed twice, the second
            // replacing the first.
            text += chance(15) ? QStringLiteral("(") : QString();
            text += chance(30) ? QStringLiteral("-") : QString();
            text += oneOf(QStringList {QString::number(below(100)), QStringLiteral("XIV"),
                QStringLiteral("mcmxcix"), QStringLiteral("IC"), QStringLiteral("0x1f"),
                QStringLiteral("2.5E-1").replace(u'.', QLocale().decimalPoint()),
                QStringLiteral("1E308"), QStringLiteral("0")});
            text += QString(oneOf(Keys)) + (chance(20) ? QStringLiteral(" ") : QString());
            text += chance(15) ? QString(oneOf(QStringView(u"+*/"))) : QString();
        }
        if (!text.endsWith(u'='))
            text += u'=';
        return {"three routes " + escapedText(text, 60), [this, text] {
                    failure_ = compareRoutes(text);
                    window_.activateWindow();
                }};
    }

    std::string compareRoutes(const QString &text)
    {
        std::vector<int> errors;
        setErrorReporter([&](const RuntimeError &error) { errors.push_back(error.number()); });
        const auto restore = qScopeGuard([this] {
            setErrorReporter([this](const RuntimeError &error) {
                reported_.push_back(error.number());
                window_.showError(error);
            });
        });
        Calvaran typed, pasted;
        auto *typedBox = typed.findChild<QLineEdit *>(QStringLiteral("Text1"));
        for (const char32_t c : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, typedBox,
                c < 0x7f ? Qt::Key(QChar::toUpper(c)) : Qt::Key_unknown, QString::fromUcs4(&c, 1),
                Qt::NoModifier);
        pasted.typeInPad()->enterText(text);
        char *output = nullptr;
        std::size_t size = 0;
        std::FILE *out = open_memstream(&output, &size);
        std::FILE *err = std::fopen("/dev/null", "w");
        const int status = evaluateLine(text, out, err);
        std::fclose(out);
        std::fclose(err);
        const QString evaluated = QString::fromUtf8(output, qsizetype(size)).section(u'\t', 0, 0);
        std::free(output);
        if (!errors.empty() || status != 0 || !typed.typeInPad()->problem().isEmpty()
            || typed.calculation().failed())
            return {};
        const auto tape = [](const Calvaran &w) {
            QStringList lines;
            for (const TapeEntry &entry : w.tapePanel()->entries())
                lines << entry.decimal + u'|' + entry.roman;
            return lines.join(u'/');
        };
        const auto seen = [&](const Calvaran &w) {
            return escapedText(exactDecimal(w.calculation().shown()) + u' ' + tape(w) + u' '
                + w.findChild<QLabel *>(QStringLiteral("StatusLine"))->text());
        };
        if (seen(typed) != seen(pasted) || exactDecimal(typed.calculation().shown()) != evaluated)
            return "typed " + seen(typed) + ", pasted " + seen(pasted) + ", --eval "
                + escapedText(evaluated);
        typed.typeInPad()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        const std::optional<double> copied = readEntry(QGuiApplication::clipboard()->text());
        if (copied != typed.calculation().shown())
            return "Copy of " + escapedText(exactDecimal(typed.calculation().shown())) + " gave "
                + escapedText(QGuiApplication::clipboard()->text());
        return {};
    }

    // Even a button that a resize hid can be clicked; Command1 is Copy.
    static Input click(QPushButton *button)
    {
        return {"click " + button->objectName().toStdString(), [button] { button->click(); }};
    }

    // One of the tape's menu entries, whether or not the tape is shown.
    Input tapeAction()
    {
        static constexpr const char *names[] = {"CopyResultRoman", "CopyResultDecimal", "CopyEntry",
            "CopyWholeTape", "ClearTape", "ShowTape"};
        auto *action = window_.findChild<QAction *>(QString::fromLatin1(oneOf(names)));
        return {"trigger " + action->objectName().toStdString(), [action] { action->trigger(); }};
    }

    // Enter on an entry of the tape, which types its result into the box.
    Input reuse()
    {
        TapePanel *tape = window_.tapePanel();
        const int row = tape->model()->rowCount() == 0 ? -1 : int(below(tape->model()->rowCount()));
        return {"Enter on the tape's entry " + std::to_string(row), [tape, row] {
                    tape->setCurrentIndex(tape->model()->index(row, 0));
                    QTest::keyClick(tape, Qt::Key_Return);
                }};
    }

    // A click on the tape or a readout, wherever it lands (on a readout
    // sometimes a double click or a drag, which selects), then keys at once:
    // those that write text go to the type-in box, and the keyboard with
    // them; or Escape, which clears all and takes the keyboard back too.
    Input typeAway(const QString &text)
    {
        const std::array<QWidget *, 3> places {
            window_.tapePanel()->viewport(), arabVal_, romanValue_};
        QWidget *place = oneOf(places);
        const QPoint at(
            int(below(std::max(1, place->width()))), int(below(std::max(1, place->height()))));
        const int gesture = place == places[0] ? 0 : int(below(3)); // click, double, drag
        Input input {"click " + place->objectName().toStdString() + " at " + std::to_string(at.x())
                + "," + std::to_string(at.y()) + " (" + std::to_string(gesture) + "), type "
                + escapedText(text, 60),
            [this, place, at, gesture, text] {
                if (place->isVisible()) {
                    QTest::mouseClick(place, Qt::LeftButton, {}, at);
                    if (gesture == 1)
                        QTest::mouseDClick(place, Qt::LeftButton, {}, at);
                    if (gesture == 2) {
                        QTest::mousePress(place, Qt::LeftButton, {}, at);
                        QTest::mouseMove(place, {place->width() - at.x(), at.y()});
                        QTest::mouseRelease(
                            place, Qt::LeftButton, {}, {place->width() - at.x(), at.y()});
                    }
                }
                bool writes = false;
                for (const char32_t c : text.toUcs4()) {
                    writes = writes || QChar::isPrint(c);
                    const Qt::Key key = c == u'\x1b' ? Qt::Key_Escape
                        : c < 0x7f                   ? Qt::Key(QChar::toUpper(c))
                                                     : Qt::Key_unknown;
                    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key,
                        QString::fromUcs4(&c, 1), Qt::NoModifier);
                }
                if (writes && QApplication::focusWidget() != box_)
                    failure_ = "keys typed into " + place->objectName().toStdString()
                        + " left the keyboard there";
            }};
        input.clearsAll = text == u"\x1b";
        return input;
    }

    // The handle between the design and the tape, dragged either way past
    // the narrowest and widest tape: the window makes room, never an error.
    Input dragTapeHandle()
    {
        const int by = int(below(601)) - 300;
        return {"drag the tape's handle by " + std::to_string(by),
            [this, by] {
                auto *handle = window_.findChild<QWidget *>(QStringLiteral("TapeSplitter"));
                const QPoint grip = handle->rect().center();
                QTest::mousePress(handle, Qt::LeftButton, {}, grip);
                QTest::mouseMove(handle, grip - QPoint(by, 0));
                QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(by, 0));
            },
            0};
    }

    // F1 opens the help over the window, and Escape closes it again.
    Input help()
    {
        return {"press F1, then Escape in the help", [this] {
                    QTest::keyClick(&window_, Qt::Key_F1);
                    auto *help = window_.findChild<QDialog *>(QStringLiteral("HelpWindow"));
                    if (!help || !help->isVisible())
                        failure_ = "F1 showed no help";
                    else
                        QTest::keyClick(help, Qt::Key_Escape);
                    if (help && help->isVisible())
                        failure_ = "Escape left the help open";
                    window_.activateWindow();
                }};
    }

    // The window at any shape up to 20 times its design: never an error.
    // Painting a huge window is slow, so most stay within three times.
    Input resizeWindow()
    {
        const int most = chance(20) ? 20 : 3;
        const QSize size(int(below(most * 302)), int(below(most * 196)));
        return {"resize the window to " + std::to_string(size.width()) + "x"
                + std::to_string(size.height()),
            [this, size] { window_.resize(size); }, 0};
    }

    // A resize as Qt makes it, so that a layout's error goes to the reporter.
    // The layouts compute in 16-bit twips (15 to a pixel): no size up to about
    // 32700 twips overflows them, and from 61000 across or 58000 down every
    // grid does. A size that does not change does nothing.
    Input resize()
    {
        QWidget *component = oneOf(components_);
        const int most = chance(30) ? 500 : 5000; // small, or up to far past the limits
        const QSize size(int(below(most)), int(below(most)));
        int overflows = -1;
        if (size == component->size() || std::max(size.width(), size.height()) <= 2180)
            overflows = 0;
        else if (component != window_.stack() && (size.width() >= 4067 || size.height() >= 3867))
            overflows = 1;
        return {"resize " + component->objectName().toStdString() + " to "
                + std::to_string(size.width()) + "x" + std::to_string(size.height()),
            [component, size] { component->resize(size); }, overflows};
    }

    // ---- the rules -----------------------------------------------------------------

    std::string step(bool trace)
    {
        Input input = pick(inputKinds_)();
        history_.push_back(input.what);
        if (history_.size() > 20)
            history_.erase(history_.begin());
        if (trace)
            std::fprintf(stderr, "%s\n", input.what.c_str());
        const bool accWasFinite = std::isfinite(window_.parenBase()->acc());
        reported_.clear();
        popped_ = false;
        try {
            input.perform();
            QCoreApplication::processEvents();
        } catch (const std::exception &error) {
            return std::string("an exception escaped: ") + error.what();
        }
        const auto overflows = std::ranges::count(reported_, OverflowNumber);
        const bool arithmetic = std::ranges::count(reported_, ArithmeticNumber) > 0;
        failed_ = failed_ || arithmetic;
        if (!failure_.empty())
            return std::exchange(failure_, {});
        if (input.overflows >= 0 && overflows != input.overflows)
            return std::to_string(overflows) + " overflows, not " + std::to_string(input.overflows);
        // A non-finite Acc is the failed result of an arithmetic error: just
        // reported, kept from before, or brought back from the stack by ")".
        if (!std::isfinite(window_.parenBase()->acc()) && accWasFinite && !arithmetic
            && !(popped_ && failed_))
            return "Acc became non-finite without an arithmetic error";
        if (input.clearsAll
            && !(window_.calculation().isFresh() && box_->text().isEmpty()
                && window_.typeInPad()->problem().isEmpty() && arabVal_->text() == u"0"))
            return "all clear left something of the calculation behind";
        if (input.clearsAll && QApplication::focusWidget() != box_)
            return "all clear left the keyboard away from the type-in box";
        if (input.clearsAll)
            failed_ = false;
        return check();
    }

    // What holds after any input whatever.
    std::string check()
    {
        const QString key = window_.typeInPad()->conKey();
        if (window_.typeInPad()->selfEdit() || key.size() > 1 || !Keys.contains(key))
            return "the pad is left mid-edit, or its key is " + escapedText(key);

        // A failed calculation shows no number as if it were its result.
        if (window_.calculation().failed())
            return arabVal_->text().isEmpty() && romanValue_->text().isEmpty()
                ? std::string()
                : "the readouts show " + escapedText(arabVal_->text()) + " after a failure";

        // The decimal readout reads as a number whose text is the readout's
        // own, which no non-finite value has, and which is the text of the
        // value the readout holds.
        const double value = window_.arabDisplay()->value();
        const std::optional<double> read = parseNumber(arabVal_->text());
        const auto digits15 = [](double x) { return escapedText(numberText(x)); };

        // The Roman readout: the canonical numeral of the value rounded half to
        // even, in parentheses when the value is negative, or a fixed text.
        static const QRegularExpression canonical(
            QStringLiteral(R"(^\(?(M{0,9}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3}))\)?$)"));
        const QString roman = romanValue_->text();
        const QString numeral = canonical.match(roman).captured(1);
        const double romanValue = window_.romanDisplay()->value();
        // In the wider forms: a numeral in parentheses for a negative value,
        // which reads back within the rounding the forms make.
        const bool plainForms = romanForms() == RomanForms {};
        const QString inner = romanValue < 0 ? roman.mid(1).chopped(1) : roman;
        const double rounding = romanForms().twelfths ? 1.0 / 24 + 1e-9 : 0.5;
        const bool widerRight = (romanValue > 0 || (roman.startsWith(u'(') && roman.endsWith(u')')))
            && std::abs(parseRoman(inner).value_or(-1e9) - std::abs(romanValue)) <= rounding;
        // Whether a numeral is written is decided on the value it would stand
        // for: 8999.5 is beyond numerals, 0.4 shows as zero.
        const double limit = romanLimit();
        const double shownMagnitude = romanForms().twelfths
            ? std::nearbyint(std::abs(romanValue) * 12) / 12
            : std::nearbyint(std::abs(romanValue));
        const bool romanRight = romanValue <= -limit ? roman == QStringLiteral("Roman underflow")
            : romanValue >= limit                    ? roman == QStringLiteral("Roman overflow")
            : shownMagnitude >= limit                ? roman
                == (romanValue < 0 ? QStringLiteral("Roman underflow")
                                   : QStringLiteral("Roman overflow"))
            : shownMagnitude == 0 ? roman == QStringLiteral(" - - - - - -")
            : !plainForms         ? widerRight
                                  : roman == (romanValue < 0 ? u'(' + numeral + u')' : numeral)
                && parseRoman(numeral) == std::abs(std::nearbyint(romanValue));

        // What the calculator writes of the value for copying reads back as it.
        if (std::isfinite(value) && readEntry(exactText(value)) != value)
            return "the copy of " + digits15(value) + " is " + escapedText(exactText(value));
        if (read && numberText(*read) == arabVal_->text() && numberText(value) == arabVal_->text()
            && romanRight && std::isfinite(romanValue))
            return {};
        return "the readouts show " + escapedText(arabVal_->text()) + " for " + digits15(value)
            + " and " + escapedText(roman) + " for " + digits15(romanValue);
    }

    // The tape is saved as the person's is, in a folder of the run's own.
    QTemporaryDir tapeFolder_;
    Calvaran window_ {tapeFolder_.path()};
    std::mt19937_64 rng_;
    QLineEdit *box_ = window_.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QLineEdit *arabVal_ = window_.findChild<QLineEdit *>(QStringLiteral("ArabVal"));
    QLineEdit *romanValue_ = window_.findChild<QLineEdit *>(QStringLiteral("RomanValue"));
    QPushButton *copy_ = window_.typeInPad()->findChild<QPushButton *>(QStringLiteral("Command1"));
    QList<QPushButton *> buttons_ = window_.parenBase()->findChildren<QPushButton *>();
    const std::vector<QWidget *> components_ {window_.parenBase(), window_.stack(),
        window_.typeInPad(), window_.romanDisplay(), window_.arabDisplay()};
    std::vector<std::string> history_;
    std::vector<int> reported_;   // the errors of this input
    bool popped_ = false;         // ")" brought back an outer calculation during this input
    bool failed_ = false;         // an arithmetic error has been reported
    bool awaitingResult_ = false; // the tape wrote an entry whose result is not shown yet
    std::string failure_;         // found while the input was made, or by the tape's checks

    // Pieces of entries, each row as often as its weight says: a '.' stands
    // for the locale's separator and a '_' for a blank. Operations at the
    // edges of the double range (an overflow, and then times 0, which must
    // fail too) and a calculation down to -9000, which typing hardly reaches
    // otherwise; numbers at the edges of what the readouts show: the Roman
    // limits, halves that round to even, a 4 that needs IV, the largest and
    // the smallest doubles, exponents near the top.
    const Weighted<QString> pieceKinds_ {
        {3, QStringLiteral("I V X L C D M i v x l c d m")},
        {1, QStringLiteral("A B C D E F a b c d e f E R")},
        {2, QStringLiteral("+ - * / ( ) = r")},
        {2, QStringLiteral("0 1 2 3 4 5 6 7 8 9")},
        {1, QStringLiteral("0X 0x . _")},
        {1,
            QStringLiteral("\u00E9 \u00DF \u0131 \u017F \u00A0 \u202F \u200B \u2212 \u216B \u0663 "
                           "\uFF58 \U0001D7D9 \U0001F600")},
        {2, QStringLiteral("*0= /0= *1E308= +1.79769313486232E+308= -1E308= r0-9000=")},
        {1,
            QStringLiteral(
                "9000 8999.5 8999.4 -9000 -8999.5 0.5 2.5 -3.5 4 1994 3999 0.4 -0.4 1E308 "
                "1.79769313486232E+308 1E-320 0.1 0 E295 E300 E305 E306 E307 E308 E309")},
    };

    // The kinds of input, each as often as its weight says.
    const Weighted<std::function<Input()>> inputKinds_ {
        {480, [this] { return type(pieces(chance(70) ? 1 : 1 + int(below(6)))); }},
        {90, [this] { return press(Qt::Key_Backspace); }},
        {80, [this] { return press(oneOf(OtherKeys)); }},
        {25, [this] { return clearAll(); }},
        {60,
            [this] {
                // An access key between typed keys, as fast as they come.
                const QChar key = oneOf(Keys); // Clear's is R in English
                return press(
                    QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode())), &window_);
            }},
        {40, [this] { return pasteCalculation(); }},
        {6, [this] { return threeRoutes(); }},
        {70, [this] { return paste(pieces(1 + int(below(12))), chance(30)); }},
        {2, [this] { return paste(chance(50) ? pieces(5000) : QString(20000, u'M'), false); }},
        {3,
            [this] {
                // Beyond the largest double, which is about 16^256, perhaps with a key after it.
                const QString hex = QStringLiteral("0XF")
                    + QString(260 + int(below(100)), oneOf(QStringView(u"0123456789ABCDEFabcdef")));
                return paste(chance(30) ? hex + oneOf(Keys) : hex, true, 1);
            }},
        {210, [this] { return click(chance(7) ? copy_ : oneOf(buttons_)); }},
        {5, [this] { return press(Qt::Key_F9, &window_); }},
        {10, [this] { return tapeAction(); }},
        {3,
            [this] {
                // Large numbers with bars, or fractions in twelfths, on or off.
                auto *choice = window_.findChild<QAction *>(
                    chance(50) ? QStringLiteral("LargeNumbers") : QStringLiteral("Fractions"));
                return Input {"trigger " + choice->objectName().toStdString(),
                    [choice] { choice->trigger(); }};
            }},
        {15, [this] { return reuse(); }},
        {20, [this] { return typeAway(pieces(1 + int(below(3)))); }},
        {5, [this] { return typeAway(QStringLiteral("\x1b")); }},
        {3, [this] { return dragTapeHandle(); }},
        {1, [this] { return help(); }},
        {100, [this] { return resize(); }},
        {4, [this] { return resizeWindow(); }},
    };
};

} // namespace

int main(int argc, char **argv)
{
    // The tape's shown state goes to a settings file of the test's own.
    useFoldersOfItsOwn();
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({{"seed", "Seed of the random input.", "N", "1"},
        {"events", "Number of inputs.", "N", "20000"},
        {"trace", "Print every input before it is made."}});
    options.process(app);
    return Soak().run(options.value("seed").toULongLong(), options.value("events").toLongLong(),
        options.isSet("trace"));
}

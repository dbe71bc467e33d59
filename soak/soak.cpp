// roman-soak: random input on the real calculator window, checking after every
// input the rules that hold whatever was typed. It knows nothing of what a
// calculation should come to: it checks that the readouts never show a number
// wrongly, that the pad is never left mid-edit, that no error goes unreported
// and that no exception gets out.
//
//     roman-soak --seed S --events N [--trace] [--locale NAME]
//
// replays a run exactly; a failure prints the seed, the event number and the
// last events.

#include "app/calvaran.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "core/errors.h"
#include "core/numeralparse.h"
#include "core/textservices.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "tests/escapedtext.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int OverflowNumber = 6;
constexpr int ArithmeticNumber = 11;
constexpr std::u16string_view Keys = u"+-*/()=r";

const char16_t *const OddCharacters[] = {u"\u00E9", u"\u00DF", u"\u0131", u"\u017F", u"\u00A0",
    u"\u202F", u"\u200B", u"\u2212", u"\u216B", u"\u0663", u"\uFF58", u"\U0001D7D9", u"\U0001F600"};

// Entries at the edges of what the readouts show: the Roman limits, halves
// that round to even, a 4 that needs IV, the largest and the smallest doubles.
const char *const EdgeNumbers[]
    = {"9000", "8999.5", "8999.4", "-9000", "-8999.5", "0.5", "2.5", "-3.5", "4", "1994", "3999",
        "0.4", "-0.4", "1E308", "1.79769313486232E+308", "1E-320", "0.1", "0"};

struct Input
{
    std::string what;
    std::function<void()> perform;
    int overflows = -1; // overflow errors it must report; -1 when it may report any
};

class Soak
{
public:
    Soak(Calvaran &window, std::uint64_t seed, bool trace)
        : window_(window)
        , seed_(seed)
        , trace_(trace)
        , rng_(seed)
        , box_(window.findChild<QLineEdit *>(QStringLiteral("Text1")))
        , arabVal_(window.findChild<QLineEdit *>(QStringLiteral("ArabVal")))
        , romanValue_(window.findChild<QLineEdit *>(QStringLiteral("RomanValue")))
        , copy_(window.typeInPad()->findChild<QPushButton *>(QStringLiteral("Command1")))
        , buttons_(window.parenBase()->findChildren<QPushButton *>())
        , components_ {window.parenBase(), window.stack(), window.typeInPad(),
              window.romanDisplay(), window.arabDisplay()}
    {
        if (!box_ || !arabVal_ || !romanValue_ || !copy_ || buttons_.isEmpty())
            qFatal("roman-soak: the window lacks a widget the soak drives or reads");
        for (const QWidget *component : components_)
            designSizes_.push_back(component->size());
        setErrorReporter([this](const RuntimeError &error) {
            reported_.push_back(error.number());
            // The failed result stays in Acc for the host to see.
            finiteAfterError_ = finiteAfterError_
                || (error.number() == ArithmeticNumber
                    && std::isfinite(window_.parenBase()->acc()));
        });
        window.parenBase()->pop.connect([this] { ++pops_; });
    }

    ~Soak() { setErrorReporter({}); }

    int run(long long events)
    {
        for (long long n = 0; n <= events; ++n) {
            if (const std::string failure = n == 0 ? check() : step(); !failure.empty()) {
                std::fprintf(stderr,
                    "roman-soak: FAILED at event %lld of seed %" PRIu64 ": %s\n"
                    "  box %s, conKey %s, Acc %g, readouts %s / %s\n  the last events:\n",
                    n, seed_, failure.c_str(), escapedText(box_->text(), 60).c_str(),
                    escapedText(window_.typeInPad()->conKey()).c_str(), window_.parenBase()->acc(),
                    escapedText(arabVal_->text()).c_str(),
                    escapedText(romanValue_->text()).c_str());
                for (const std::string &line : history_)
                    std::fprintf(stderr, "    %s\n", line.c_str());
                std::fprintf(stderr,
                    "  replay: roman-soak --seed %" PRIu64 " --events %lld --trace\n", seed_, n);
                return 1;
            }
            if (n > 0 && n % 50000 == 0)
                std::printf("roman-soak: %lld events\n", n);
        }
        std::printf("roman-soak: seed %" PRIu64 ": %lld events passed\n", seed_, events);
        for (const auto &[what, count] : seen_)
            std::printf("  %s: %lld\n", what.c_str(), count);
        return 0;
    }

private:
    // ---- random input --------------------------------------------------------------

    std::uint64_t below(std::uint64_t n) { return rng_() % n; }
    bool chance(int percent) { return below(100) < std::uint64_t(percent); }
    QChar oneOf(std::u16string_view set) { return set[below(set.size())]; }

    // Pieces of entries: digits, Roman letters of either case, hexadecimal
    // letters, "0X", blanks, the separator, exponents near the top of the
    // double range, operation keys, odd characters, and whole numbers at the
    // edges of what the readouts show.
    QString pieces(int length)
    {
        QString out;
        while (out.size() < length) {
            const std::uint64_t kind = below(12);
            if (kind == 0)
                out += chance(50) ? QStringLiteral("0X") : QStringLiteral("0x");
            else if (kind == 1)
                out += chance(50) ? QStringLiteral(" ") : QLocale().decimalPoint();
            else if (kind == 2)
                out += QString::fromUtf16(OddCharacters[below(std::size(OddCharacters))]);
            else if (kind == 3)
                out += QString::fromLatin1(EdgeNumbers[below(std::size(EdgeNumbers))])
                           .replace(QLatin1Char('.'), QLocale().decimalPoint());
            else if (kind == 4)
                out += QStringLiteral("E") + QString::number(295 + below(15));
            else
                out += oneOf(kind < 7 ? u"IVXLCDMivxlcdm"
                        : kind < 8    ? u"ABCDEFabcdefER"
                        : kind < 10   ? Keys
                                      : u"0123456789");
        }
        return out;
    }

    // One key a character, or a surrogate pair, as a keyboard or an input method delivers it.
    Input type(const QString &text)
    {
        return {"type " + escapedText(text, 60), [this, text] {
                    for (qsizetype i = 0; i < text.size(); i += text[i].isHighSurrogate() ? 2 : 1) {
                        const QString character = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
                        const char16_t key = character.front().toUpper().unicode();
                        QTest::sendKeyEvent(QTest::Click, box_,
                            key < 0x7f ? Qt::Key(key) : Qt::Key_unknown, character, Qt::NoModifier);
                    }
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

    Input next()
    {
        const std::uint64_t roll = below(1000);
        if (roll < 480)
            return type(pieces(chance(70) ? 1 : 1 + int(below(6))));
        if (roll < 570)
            return {"backspace", [this] { QTest::keyClick(box_, Qt::Key_Backspace); }};
        if (roll < 640)
            return paste(pieces(1 + int(below(12))), chance(30));
        if (roll < 642)
            return paste(chance(50) ? pieces(20000) : QString(20000, QLatin1Char('M')), false);
        if (roll < 645) { // beyond the largest double, which is about 16^256
            QString hex = QStringLiteral("0XF");
            for (int i = 260 + int(below(100)); i > 0; --i)
                hex += oneOf(u"0123456789ABCDEFabcdef");
            return paste(chance(30) ? hex + oneOf(Keys) : hex, true, 1);
        }
        if (roll < 840) {
            QPushButton *button = buttons_[qsizetype(below(buttons_.size()))];
            return {"click " + button->objectName().toStdString(), [button] {
                        button->click(); // even where a resize hid it
                    }};
        }
        if (roll < 855)
            return {"click Copy", [this] { copy_->click(); }};
        if (roll < 900) {
            const std::size_t which = below(3);
            const Qt::Key key = std::array {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}[which];
            return {std::string("press ") + std::array {"Return", "Enter", "Escape"}[which],
                [this, key] { QTest::keyClick(box_, key); }};
        }
        // A resize as Qt makes it, so that a layout's error goes to the reporter.
        const std::size_t which = below(components_.size());
        QWidget *component = components_[which];
        QSize size = designSizes_[which];
        if (chance(25)) // near the design size
            size = QSize(int(below(2 * size.width())), int(below(2 * size.height())));
        else if (chance(75)) // up to far past the layouts' 16-bit limits
            size = QSize(int(below(5000)), int(below(5000)));
        // The layouts compute in 16-bit twips (15 to a pixel): no size up to
        // about 32700 twips overflows them, and from 61000 across or 58000 down
        // every grid does. A size that does not change does nothing.
        int overflows = -1;
        if (size == component->size() || (size.width() <= 2180 && size.height() <= 2180))
            overflows = 0;
        else if (component != window_.stack() && (size.width() >= 4067 || size.height() >= 3867))
            overflows = 1;
        return {"resize " + component->objectName().toStdString() + " to "
                + std::to_string(size.width()) + "x" + std::to_string(size.height()),
            [component, size] { component->resize(size); }, overflows};
    }

    // ---- the rules -----------------------------------------------------------------

    std::string step()
    {
        Input input = next();
        // Now and then the input lands inside the text or replaces a part of it.
        const std::uint64_t length = std::uint64_t(box_->text().size());
        if (const int at = int(below(length + 1)); chance(10)) {
            box_->setCursorPosition(at);
            input.what += " at " + std::to_string(at);
        } else if (chance(3)) {
            box_->setSelection(0, at);
            input.what += " over the first " + std::to_string(at);
        }
        history_.push_back(input.what);
        if (history_.size() > 20)
            history_.erase(history_.begin());
        if (trace_)
            std::fprintf(stderr, "%s\n", input.what.c_str());
        const bool accWasFinite = std::isfinite(window_.parenBase()->acc());
        const std::size_t reportedBefore = reported_.size();
        const long long popsBefore = pops_;
        try {
            input.perform();
            QCoreApplication::processEvents();
        } catch (const std::exception &error) {
            return std::string("an exception escaped: ") + error.what();
        } catch (...) {
            return "an exception escaped";
        }
        int overflows = 0;
        int arithmetic = 0;
        for (std::size_t i = reportedBefore; i < reported_.size(); ++i) {
            ++seen_["error " + std::to_string(reported_[i])];
            overflows += reported_[i] == OverflowNumber;
            arithmetic += reported_[i] == ArithmeticNumber;
            if (reported_[i] != OverflowNumber && reported_[i] != ArithmeticNumber)
                return "error " + std::to_string(reported_[i]) + ", which no input causes";
        }
        arithmeticReported_ = arithmeticReported_ || arithmetic > 0;
        if (input.overflows >= 0 && overflows != input.overflows)
            return std::to_string(overflows) + " overflow errors, not "
                + std::to_string(input.overflows);

        const QString copied = QGuiApplication::clipboard()->text();
        if (input.what.starts_with("click Copy") && !box_->text().isEmpty()
            && copied != box_->text())
            return "Copy left " + escapedText(copied, 60) + " on the clipboard";

        // A non-finite Acc is the failed result of an arithmetic error: just
        // reported, kept from before, or brought back from the stack by ")".
        const double acc = window_.parenBase()->acc();
        if (finiteAfterError_)
            return "an arithmetic error left a finite Acc";
        if (!std::isfinite(acc) && accWasFinite && arithmetic == 0
            && !(pops_ > popsBefore && arithmeticReported_))
            return "Acc became non-finite without an arithmetic error";
        return check();
    }

    // What holds after any input whatever.
    std::string check()
    {
        const QString key = window_.typeInPad()->conKey();
        if (window_.typeInPad()->selfEdit())
            return "the type-in pad is left mid-edit";
        if (key.size() > 1 || (key.size() == 1 && Keys.find(key.front().unicode()) == Keys.npos))
            return "conKey() is " + escapedText(key) + ", no operation key";
        const double value = window_.arabDisplay()->value();
        if (!std::isfinite(value) || value != window_.romanDisplay()->value())
            return "the readouts hold a non-finite value or different values";

        // The decimal readout: digits with the locale's separator, and perhaps an
        // exponent, that read back to the value to 15 significant digits.
        const QString arab = arabVal_->text();
        const QRegularExpression shape(
            QStringLiteral("^-?[0-9]+(%1[0-9]+)?(E[+-][0-9]{2,3})?$")
                .arg(QRegularExpression::escape(QLocale().decimalPoint())));
        const auto digits15 = [](double x) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.14e", x == 0 ? 0.0 : x);
            return std::string(buffer);
        };
        const std::optional<double> read = parseNumber(arab);
        if (!shape.match(arab).hasMatch() || !read || digits15(*read) != digits15(value))
            return "ArabVal shows " + escapedText(arab) + " for " + digits15(value);

        // The Roman readout: the canonical numeral of the value rounded half to
        // even, in parentheses when the value is negative, or a fixed text.
        static const QRegularExpression canonical(
            QStringLiteral(R"(^\(?M{0,9}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})\)?$)"));
        const QString roman = romanValue_->text();
        const QString fixed = std::isnan(value) || value <= -9000
            ? QStringLiteral("Roman underflow")
            : value >= 9000 ? QStringLiteral("Roman overflow")
            : value == 0    ? QStringLiteral(" - - - - - -")
                            : QString();
        const bool negative = value < 0;
        const bool inParentheses
            = roman.size() > 1 && roman.front() == u'(' && roman.back() == u')';
        const QStringView numeral
            = QStringView(roman).sliced(inParentheses, roman.size() - 2 * inParentheses);
        const std::optional<double> number = parseRoman(numeral);
        const bool right = fixed.isEmpty() ? canonical.match(roman).hasMatch()
                && inParentheses == negative && number && *number == std::abs(std::nearbyint(value))
                                           : roman == fixed;
        if (!right)
            return "RomanValue shows " + escapedText(roman) + " for " + digits15(value);
        ++seen_["Roman readout: "
            + (!fixed.isEmpty() ? value == 0 ? "zero text" : fixed.toStdString()
                    : negative ? "numeral in parentheses"
                                : "numeral")];
        seen_["Roman readout of a value at .5"] += std::abs(value - std::trunc(value)) == 0.5;
        return {};
    }

    Calvaran &window_;
    std::uint64_t seed_;
    bool trace_;
    std::mt19937_64 rng_;
    QLineEdit *box_;
    QLineEdit *arabVal_;
    QLineEdit *romanValue_;
    QPushButton *copy_;
    QList<QPushButton *> buttons_;
    std::vector<QWidget *> components_;
    std::vector<QSize> designSizes_;
    std::vector<int> reported_;
    long long pops_ = 0;
    bool arithmeticReported_ = false;
    bool finiteAfterError_ = false;
    std::map<std::string, long long> seen_;
    std::vector<std::string> history_;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOptions({{"seed", "Seed of the random input.", "N", "1"},
        {"events", "Number of inputs.", "N", "20000"},
        {"trace", "Print every input before it is made."},
        {"locale", "Default locale, such as de_DE.", "NAME"}});
    options.process(app);
    if (options.isSet("locale"))
        QLocale::setDefault(QLocale(options.value("locale")));
    Calvaran window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("roman-soak: the window was not exposed");
    return Soak(window, options.value("seed").toULongLong(), options.isSet("trace"))
        .run(options.value("events").toLongLong());
}

// roman-soak: a random-input soak test on the real calculator window.
//
// A seeded stream of events (keystrokes, erasures, pastes, keypad clicks and
// access keys, Copy, resizes of the components) drives a shown Calvaran
// window on the offscreen platform. After every event the invariants that
// must always hold are checked, and an oracle (model.h) that follows the
// calculator's documented behaviour is compared with what the window holds. The first violation
// stops the run with the seed, the event number and the last events, so that
//     roman-soak --seed S --events N [--trace]
// replays it exactly.

#include "model.h"

#include "app/calvaran.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "core/romannumeral.h"
#include "numerals/typeinpad.h"
#include "tests/escapedtext.h"
#include "core/errors.h"
#include "core/textservices.h"
#include "widgets/twips.h"
#include "widgets/usercontrol.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <exception>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define ROMAN_SOAK_SANITIZER 1
#endif

namespace {

// ---------------------------------------------------------------------------
// Options

struct Options
{
    std::uint64_t seed = 1;
    long long events = 20000;
    long long progress = 50000;
    bool trace = false;
    QString locale;
};

[[noreturn]] void usage(const char *message)
{
    std::fprintf(stderr,
        "roman-soak: %s\n"
        "usage: roman-soak [--seed N] [--events N] [--progress N] [--trace] [--locale NAME]\n"
        "  --seed N      seed of the event stream (default 1)\n"
        "  --events N    number of events (default 20000)\n"
        "  --progress N  a progress line every N events (default 50000, 0 for none)\n"
        "  --trace       print every event before it runs (to replay a crash)\n"
        "  --locale NAME default locale, e.g. de_DE (default: the system's)\n",
        message);
    std::exit(2);
}

long long parseCount(const QString &text, const char *what)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < 0)
        usage(what);
    return value;
}

Options parseOptions(const QStringList &arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto next = [&]() -> QString {
            if (i + 1 >= arguments.size())
                usage("an option lacks its value");
            return arguments[++i];
        };
        if (argument == QLatin1String("--seed")) {
            bool ok = false;
            options.seed = next().toULongLong(&ok);
            if (!ok)
                usage("--seed takes an unsigned integer");
        } else if (argument == QLatin1String("--events")) {
            options.events = parseCount(next(), "--events takes a count");
        } else if (argument == QLatin1String("--progress")) {
            options.progress = parseCount(next(), "--progress takes a count");
        } else if (argument == QLatin1String("--trace")) {
            options.trace = true;
        } else if (argument == QLatin1String("--locale")) {
            options.locale = next();
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            usage("a random-input soak test of the calculator window");
        } else {
            usage(qPrintable(QStringLiteral("unknown argument %1").arg(argument)));
        }
    }
    return options;
}

// ---------------------------------------------------------------------------
// Text helpers

// A readable, escaped, bounded form of a text for the event history.
std::string describe(const QString &text)
{
    return escapedText(text, 48);
}

std::string numberString(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// Equal as the calculator sees numbers: the same value, the same sign of
// zero, or both not a number.
bool same(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

// The resident set size in MiB, to see memory grow over a long run (Linux).
long long residentMiB()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long long kib = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kib = std::atoll(line + 6);
            break;
        }
    }
    std::fclose(status);
    return kib < 0 ? -1 : kib / 1024;
}

// ---------------------------------------------------------------------------
// Qt messages: keyboard and mouse events that a widget does not accept make
// QTest warn, which is expected noise here. Other messages are counted and the
// first few kept for the summary.

struct MessageLog
{
    long long ignored = 0;
    long long other = 0;
    std::vector<std::string> firstOthers;
};

MessageLog &messageLog()
{
    static MessageLog log;
    return log;
}

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "roman-soak: Qt fatal: %s\n", qPrintable(message));
        std::abort();
    }
    MessageLog &log = messageLog();
    if (message.contains(QLatin1String("not accepted by receiving widget"))) {
        ++log.ignored;
        return;
    }
    ++log.other;
    if (log.firstOthers.size() < 5)
        log.firstOthers.push_back(message.toStdString());
}

// ---------------------------------------------------------------------------
// The soak

enum class Kind {
    TypeToken,
    TypeWord,
    Erase,
    PasteSet,
    PasteClipboard,
    KeypadClick,
    AccessKey,
    Copy,
    Resize,
    Restore,
    EnterEscape,
    Undo,
    Huge,
};

struct KindInfo
{
    Kind kind;
    int weight;
    const char *name;
};

// Relative frequencies. Access keys wait for Qt's animated click (about 100 ms)
// and the huge texts cost milliseconds each, so both stay rare.
constexpr KindInfo Kinds[] = {
    {Kind::TypeToken, 360, "type"},
    {Kind::TypeWord, 120, "word"},
    {Kind::Erase, 100, "erase"},
    {Kind::PasteSet, 70, "paste"},
    {Kind::PasteClipboard, 30, "clip-paste"},
    {Kind::KeypadClick, 150, "keypad"},
    {Kind::AccessKey, 1, "alt-key"},
    {Kind::Copy, 15, "copy"},
    {Kind::Resize, 30, "resize"},
    {Kind::Restore, 15, "restore"},
    {Kind::EnterEscape, 8, "enter/esc"},
    {Kind::Undo, 4, "undo"},
    {Kind::Huge, 1, "huge"},
};
constexpr std::size_t KindCount = std::size(Kinds);

struct Button
{
    const char *name;
    char key;
};

constexpr Button Buttons[] = {
    {"Add", '+'},
    {"Subt", '-'},
    {"Mult", '*'},
    {"Div", '/'},
    {"LParen", '('},
    {"RParen", ')'},
    {"Equals", '='},
    {"Clear", 'r'},
};

const char16_t *const UnicodeTokens[] = {
    u"\u00E9",     // é
    u"\u00DF",     // ß, upper-cases to two letters
    u"\u0131",     // dotless ı, upper-cases to I
    u"\U0001D7D9", // mathematical double-struck 1, a surrogate pair
    u"\U0001F600", // an emoji
    u"\u00A0",     // no-break space, a blank
    u"\u017F",     // long s, upper-cases to S
    u"\u216B",     // Roman numeral twelve, one character
    u"\u0663",     // Arabic-Indic digit three
    u"\u200B",     // zero-width space
    u"\uFF58",     // full-width x
    u"\u202F",     // narrow no-break space
    u"\u2212",     // minus sign
};

struct Component
{
    UserControl *control;
    QRect design;
    const char *name;
    soak::LayoutKind layout;
    QSize size; // the inner size last given, as the oracle tracks it
};

class Soak
{
public:
    Soak(const Options &options, Calvaran &window)
        : options_(options)
        , rng_(options.seed)
        , window_(window)
        , text1_(window.findChild<QLineEdit *>(QStringLiteral("Text1")))
        , copy_(window.findChild<QPushButton *>(QStringLiteral("Command1")))
        , arabVal_(window.findChild<QLineEdit *>(QStringLiteral("ArabVal")))
        , romanValue_(window.findChild<QLineEdit *>(QStringLiteral("RomanValue")))
    {
        if (!text1_ || !copy_ || !arabVal_ || !romanValue_)
            qFatal("the window lacks Text1, Command1, ArabVal or RomanValue");
        for (const Button &button : Buttons) {
            auto *widget
                = window.parenBase()->findChild<QPushButton *>(QString::fromLatin1(button.name));
            if (!widget)
                qFatal("the keypad lacks %s", button.name);
            buttons_.push_back(widget);
        }
        const auto component = [](UserControl *control, const char *name, soak::LayoutKind kind) {
            const QRect design = control->twipsGeometry();
            return Component {control, design, name, kind, design.size()};
        };
        using soak::LayoutKind;
        components_ = {component(window.parenBase(), "ParenBase1", LayoutKind::Keypad),
            component(window.stack(), "Stack1", LayoutKind::Stack),
            component(window.typeInPad(), "TypeInPad1", LayoutKind::TypeInPad),
            component(window.romanDisplay(), "RomanDisplay1", LayoutKind::Readout),
            component(window.arabDisplay(), "ArabDisplay1", LayoutKind::Readout)};

        previousReporter_ = setErrorReporter([this](const RuntimeError &error) {
            ++reported_[error.number()];
            lastReport_ = error.text();
        });

        // After the pad's own connection, so this sees an edit once the pad
        // and the window have dealt with it; the pad's writes of its own text
        // arrive nested and are left out, as the pad leaves them out.
        QObject::connect(text1_, &QLineEdit::textChanged, text1_, [this](const QString &text) {
            if (!window_.typeInPad()->selfEdit())
                model_.edit(text);
        });
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const QChar key = QLatin1Char(Buttons[i].key);
            QObject::connect(buttons_[i], &QPushButton::clicked, buttons_[i], [this, key] {
                model_.click(key);
                ++keypadActions_;
            });
        }
        QObject::connect(copy_, &QPushButton::clicked, copy_, [this] {
            ++copies_;
            if (clipboardWorks_ && QGuiApplication::clipboard()->text() != text1_->text())
                deferredFailure_ = "Copy left " + describe(QGuiApplication::clipboard()->text())
                    + " on the clipboard, but the text box holds " + describe(text1_->text());
        });

        // Does the platform keep clipboard text at all?
        QGuiApplication::clipboard()->setText(QStringLiteral("roman-soak"));
        clipboardWorks_ = QGuiApplication::clipboard()->text() == QLatin1String("roman-soak");
    }

    ~Soak() { setErrorReporter(previousReporter_); }

    int run()
    {
        QElapsedTimer timer;
        timer.start();
        if (const std::optional<std::string> failure = check())
            return fail(0, "before the first event: " + *failure);
        for (eventNumber_ = 1; eventNumber_ <= options_.events; ++eventNumber_) {
            if (std::optional<std::string> failure = step())
                return fail(eventNumber_, *failure);
            if (options_.progress > 0 && eventNumber_ % options_.progress == 0) {
                const double seconds = timer.elapsed() / 1000.0;
                std::printf("roman-soak: seed %" PRIu64 ": %lld events in %.1f s (%.0f/s); "
                            "reported %s; text length max %lld; resident %lld MiB\n",
                    options_.seed, eventNumber_, seconds, eventNumber_ / std::max(seconds, 1e-9),
                    errorSummary(reported_).c_str(), maxTextLength_, residentMiB());
                std::fflush(stdout);
            }
        }
        const double seconds = timer.elapsed() / 1000.0;
        std::printf("roman-soak: seed %" PRIu64 ": %lld events passed in %.1f s (%.0f events/s); "
                    "reported errors %s; overflow from resizes caught by the host %s; "
                    "%lld keypad clicks, %lld access-key clicks, %lld copies, %lld results, "
                    "%lld operands, %lld pushes, %lld pops; Enter/Escape acted %lld of %lld "
                    "(%lld either way); "
                    "text length max %lld; resident %lld MiB; locale %s, clipboard %s; "
                    "Qt messages: %lld unaccepted input events, %lld other\n",
            options_.seed, options_.events, seconds, options_.events / std::max(seconds, 1e-9),
            errorSummary(reported_).c_str(), errorSummary(hostCaught_).c_str(), keypadActions_,
            accessKeyClicks_, copies_, model_.results, model_.operands, model_.pushes, model_.pops,
            enterEscapeActed_, enterEscapeTotal_, enterEscapeAmbiguous_, maxTextLength_,
            residentMiB(), qPrintable(QLocale().name()), clipboardWorks_ ? "works" : "absent",
            messageLog().ignored, messageLog().other);
        std::printf("roman-soak: events ending with a non-finite Acc %lld, of which %lld turned "
                    "it non-finite without an arithmetic error (a \")\" restoring a saved one)\n",
            nonFiniteAccEvents_, accRevived_);
        for (const std::string &message : messageLog().firstOthers)
            std::printf("roman-soak: Qt message: %s\n", message.c_str());
        std::printf("roman-soak: events by kind:");
        for (std::size_t i = 0; i < KindCount; ++i)
            std::printf(" %s %lld", Kinds[i].name, kindCounts_[i]);
        std::printf("\n");
        return 0;
    }

    // For the terminate handler and the sanitizers' death callback.
    void printHistory(FILE *out) const
    {
        std::fprintf(out, "roman-soak: seed %" PRIu64 ", event %lld; the last %zu events:\n",
            options_.seed, eventNumber_, history_.size());
        for (const std::string &line : history_)
            std::fprintf(out, "  %s\n", line.c_str());
        std::fprintf(out, "replay: roman-soak --seed %" PRIu64 " --events %lld --trace%s%s\n",
            options_.seed, eventNumber_, options_.locale.isEmpty() ? "" : " --locale ",
            qPrintable(options_.locale));
        std::fflush(out);
    }

private:
    // ---- random choices -------------------------------------------------

    std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : rng_() % n; }
    bool chance(int percent) { return below(100) < std::uint64_t(percent); }
    template<typename T, std::size_t N> const T &pick(const T (&items)[N])
    {
        return items[below(N)];
    }

    Kind pickKind()
    {
        int total = 0;
        for (const KindInfo &info : Kinds)
            total += info.weight;
        int roll = int(below(std::uint64_t(total)));
        for (std::size_t i = 0; i < KindCount; ++i) {
            if (roll < Kinds[i].weight) {
                ++kindCounts_[i];
                return Kinds[i].kind;
            }
            roll -= Kinds[i].weight;
        }
        return Kind::TypeToken;
    }

    QString token()
    {
        const QLocale locale;
        switch (below(14)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return QString(digit());
        case 4:
        case 5:
            return QString(oneOf(u"IVXLCDMivxlcdm"));
        case 6:
            return chance(50) ? QStringLiteral("0X") : QStringLiteral("0x");
        case 7:
            return QString(oneOf(u"ABCDEFabcdef"));
        case 8:
        case 9:
        case 10:
            return QString(oneOf(u"+-*/()=r"));
        case 11:
            switch (below(4)) {
            case 0:
                return QStringLiteral("R");
            case 1:
                return QStringLiteral(" ");
            case 2:
                return chance(80) ? QStringLiteral("E") : QStringLiteral("e");
            default:
                return locale.groupSeparator();
            }
        case 12:
            return locale.decimalPoint();
        default:
            return QString::fromUtf16(pick(UnicodeTokens));
        }
    }

    QChar digit() { return QChar(char16_t(u'0' + below(10))); }

    // One character of a fixed set.
    QChar oneOf(QStringView set) { return set[qsizetype(below(std::uint64_t(set.size())))]; }

    QString digits(int count)
    {
        QString out;
        for (int i = 0; i < count; ++i)
            out += digit();
        return out;
    }

    // An entry a person might mean: a decimal number, a Roman numeral or a
    // hexadecimal number, sometimes with an operation key after it.
    QString word()
    {
        QString out;
        switch (below(4)) {
        case 0:
        case 1:
            if (chance(10))
                out += QLatin1Char(' ');
            out += digits(1 + int(below(6)));
            if (chance(30))
                out += QLocale().decimalPoint() + digits(1 + int(below(4)));
            if (chance(15)) {
                out += QLatin1Char('E');
                if (chance(30))
                    out += QLatin1Char(chance(50) ? '-' : '+');
                // Exponents near the top of the double range make products overflow.
                out += chance(50) ? QString::number(300 + below(12)) : digits(1 + int(below(2)));
            }
            break;
        case 2: {
            const int length = 1 + int(below(8));
            for (int i = 0; i < length; ++i)
                out += oneOf(chance(50) ? u"MDCLXVI" : u"mdclxvi");
            break;
        }
        default:
            out += chance(70) ? QStringLiteral("0X") : QStringLiteral("0x");
            for (int i = 1 + int(below(10)); i > 0; --i)
                out += oneOf(u"0123456789ABCDEFabcdef");
            break;
        }
        if (chance(35))
            out += oneOf(u"+-*/()=r");
        return out;
    }

    QString pasteText()
    {
        switch (below(10)) {
        case 0:
            return QString();
        case 1:
        case 2:
        case 3:
        case 4:
            return word();
        case 5:
            return QLatin1Char('-') + word();
        default: {
            QString out;
            for (int i = 1 + int(below(12)); i > 0; --i)
                out += token();
            return out;
        }
        }
    }

    QString hugeText()
    {
        const int size = 100 * 1024;
        QString out;
        switch (below(7)) {
        case 0: // 400 hexadecimal digits: beyond the largest double
            out = QStringLiteral("0X");
            for (int i = 0; i < 400; ++i)
                out += oneOf(u"0123456789ABCDEF");
            out[2] = QLatin1Char('F');
            break;
        case 1: // a wall of hexadecimal digits
            out = QStringLiteral("0x") + QString(size, QLatin1Char('f'));
            break;
        case 2: // a Roman numeral of 100 000 letters
            out = QString(size, QLatin1Char('M'));
            break;
        case 3: // decimal digits beyond any double
            out = digits(size);
            out[0] = QLatin1Char('7');
            break;
        case 4: // an exponent with 100 000 digits
            out = QStringLiteral("1E") + digits(size);
            break;
        case 5: // a tiny number, zero for a double
            out = QStringLiteral("0") + QLocale().decimalPoint() + QString(size, QLatin1Char('0'))
                + QStringLiteral("1");
            break;
        default: // random keys
            out.reserve(size);
            while (out.size() < size)
                out += token();
            break;
        }
        if (chance(30))
            out += oneOf(u"+-*/()=r");
        return out;
    }

    // ---- performing events ------------------------------------------------

    // One character (or a surrogate pair) as one keystroke.
    void typeCharacter(const QString &character)
    {
        const QChar first = character.front();
        if (character.size() == 1 && first.unicode() < 0x7f) {
            QTest::keyClick(text1_, char(first.unicode()));
            return;
        }
        // QTest::keyClicks would send only the Latin-1 part; a key event with
        // the text itself is what a keyboard or input method delivers.
        const char32_t code = character.toUcs4().value(0);
        const QString upper = QString::fromUcs4(&code, 1).toUpper();
        const int key = upper.size() == character.size() ? int(upper.toUcs4().value(0)) : int(code);
        QTest::sendKeyEvent(QTest::Click, text1_, Qt::Key(key), character, Qt::NoModifier);
    }

    void typeText(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size()) {
                typeCharacter(text.mid(i, 2));
                ++i;
            } else {
                typeCharacter(text.mid(i, 1));
            }
        }
    }

    // Sometimes moves the cursor or selects part or all of the text, so that
    // the next key lands inside the text or replaces a selection.
    std::string placeCursor(int movePercent)
    {
        const int length = int(text1_->text().size());
        const std::uint64_t roll = below(100);
        const int a = int(below(std::uint64_t(length) + 1));
        const int b = int(below(std::uint64_t(length) + 1));
        if (roll < std::uint64_t(movePercent)) {
            text1_->setCursorPosition(a);
            return " at " + std::to_string(a);
        }
        if (roll < std::uint64_t(movePercent) + 5) {
            text1_->selectAll();
            return " over all";
        }
        if (roll < std::uint64_t(movePercent) + 10 && length > 0) {
            text1_->setSelection(std::min(a, b), std::abs(a - b));
            return " over " + std::to_string(std::min(a, b)) + "+"
                + std::to_string(std::abs(a - b));
        }
        return "";
    }

    // Moves a component as a host does, catching the run-time error a layout
    // may raise, and checks the outcome against the layouts' 16-bit limits: an
    // overflow exactly when the size changes to one the grid cannot hold.
    std::string resize(Component &component, const QRect &place)
    {
        const bool resized = place.size() != component.size;
        const bool expected = resized
            && soak::layoutOverflows(
                component.layout, place.width(), place.height(), window_.parenBase()->wide());
        component.size = place.size();
        std::string outcome = "ok";
        bool thrown = false;
        try {
            moveTwips(component.control, place.left(), place.top(), place.width(), place.height());
        } catch (const RuntimeError &error) {
            ++hostCaught_[error.number()];
            thrown = true;
            outcome = "run-time error " + std::to_string(error.number());
            if (error.number() != soak::OverflowNumber && !deferredFailure_)
                deferredFailure_ = "a resize raised run-time error "
                    + std::to_string(error.number()) + ", not the overflow error";
        }
        if (thrown != expected && !deferredFailure_)
            deferredFailure_ = std::string("resizing ") + component.name + " to "
                + std::to_string(place.width()) + "x" + std::to_string(place.height())
                + (expected ? " should overflow the layout's 16-bit grid but did not"
                            : " raised an overflow the layout's limits do not explain");
        if (component.control->twipsGeometry() != place && !deferredFailure_)
            deferredFailure_ = std::string(component.name) + " keeps the twips geometry "
                + rectString(component.control->twipsGeometry()) + " after a move to "
                + rectString(place);
        return outcome;
    }

    static std::string rectString(const QRect &rect)
    {
        return std::to_string(rect.left()) + "," + std::to_string(rect.top()) + " "
            + std::to_string(rect.width()) + "x" + std::to_string(rect.height());
    }

    void clickButton(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    bool anyButtonDown() const
    {
        for (const QPushButton *button : buttons_) {
            if (button->isDown())
                return true;
        }
        return false;
    }

    // Returns a description of what was done; a run-time error from a resize
    // is caught here, as a host that resizes a component would catch it.
    std::string perform(Kind kind)
    {
        switch (kind) {
        case Kind::TypeToken: {
            const std::string where = placeCursor(8);
            const QString text = token();
            typeText(text);
            return "type " + describe(text) + where;
        }
        case Kind::TypeWord: {
            const std::string where = placeCursor(3);
            const QString text = word();
            typeText(text);
            return "type " + describe(text) + where;
        }
        case Kind::Erase: {
            const std::string where = placeCursor(60);
            const bool backspace = chance(60);
            const int times = 1 + int(below(3));
            for (int i = 0; i < times; ++i)
                QTest::keyClick(text1_, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
            return std::string(backspace ? "backspace" : "delete") + " x" + std::to_string(times)
                + where;
        }
        case Kind::PasteSet: {
            const QString text = pasteText();
            text1_->setText(text);
            return "setText " + describe(text);
        }
        case Kind::PasteClipboard: {
            const QString text = pasteText();
            QGuiApplication::clipboard()->setText(text);
            const std::string where = placeCursor(50);
            text1_->paste();
            return "paste " + describe(text) + where;
        }
        case Kind::KeypadClick: {
            const std::size_t which = below(std::size(Buttons));
            clickButton(buttons_[which]);
            return std::string("click ") + Buttons[which].name;
        }
        case Kind::AccessKey: {
            const Button &button = pick(Buttons);
            const long long before = keypadActions_;
            QTest::keyClick(text1_, button.key, Qt::AltModifier);
            // The access key clicks the button after a short animation; wait
            // for it, so that the run stays the same from one replay to the next.
            if (anyButtonDown() && !QTest::qWaitFor([this] { return !anyButtonDown(); }, 2000))
                deferredFailure_ = "the access key's animated click did not end within 2 s";
            accessKeyClicks_ += keypadActions_ - before;
            return std::string("alt+") + button.key;
        }
        case Kind::Copy:
            clickButton(copy_);
            return "click Copy";
        case Kind::Resize: {
            Component &component = components_[below(components_.size())];
            const QRect place = component.design;
            int width = 0;
            int height = 0;
            switch (below(3)) {
            case 0: // near the design size
                width = int(place.width() / 2 + below(std::uint64_t(place.width()) + 1));
                height = int(place.height() / 2 + below(std::uint64_t(place.height()) + 1));
                break;
            case 1: // anywhere a layout can still place its widgets, and a little past
                width = int(below(10000));
                height = int(below(8000));
                break;
            default: // far past the layout's bounds
                width = int(below(60001));
                height = int(below(70001));
                break;
            }
            const int left = place.left() + int(below(401)) - 200;
            const int top = place.top() + int(below(401)) - 200;
            return std::string("resize ") + component.name + " to " + std::to_string(left) + ","
                + std::to_string(top) + " " + std::to_string(width) + "x" + std::to_string(height)
                + ": " + resize(component, QRect(left, top, width, height));
        }
        case Kind::Restore: {
            const bool all = chance(30);
            const std::size_t which = below(components_.size());
            std::string names;
            for (std::size_t i = 0; i < components_.size(); ++i) {
                if (!all && i != which)
                    continue;
                Component &component = components_[i];
                names += std::string(" ") + component.name + " ("
                    + resize(component, component.design) + ")";
            }
            return "restore" + names;
        }
        case Kind::EnterEscape: {
            const std::uint64_t which = below(3);
            if (which == 0)
                QTest::keyClick(text1_, Qt::Key_Return);
            else if (which == 1)
                QTest::keyClick(text1_, Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::keyClick(text1_, Qt::Key_Escape);
            return which == 0 ? "Return" : which == 1 ? "keypad Enter" : "Escape";
        }
        case Kind::Undo: {
            const bool redo = chance(30);
            QTest::keyClick(text1_, Qt::Key_Z,
                redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            return redo ? "redo" : "undo";
        }
        case Kind::Huge: {
            const QString text = hugeText();
            if (chance(70)) {
                text1_->setText(text);
                return "setText " + describe(text);
            }
            QGuiApplication::clipboard()->setText(text);
            const std::string where = placeCursor(50);
            text1_->paste();
            return "paste " + describe(text) + where;
        }
        }
        return "nothing";
    }

    // One event: perform it, let Qt process what it posted, check everything.
    std::optional<std::string> step()
    {
        const Kind kind = pickKind();
        // Enter and Escape may or may not act: the oracle's two outcomes are
        // prepared, and the window must match one of them.
        std::optional<soak::CalcModel> acted;
        if (kind == Kind::EnterEscape)
            acted = model_;

        const bool accWasFinite = std::isfinite(window_.parenBase()->acc());
        const long long arithmeticBefore = reportedCount(soak::ArithmeticNumber);

        std::string description;
        // A peek at what will be done would need a second random stream;
        // instead the trace line is completed after the event.
        const std::string number = "#" + std::to_string(eventNumber_) + " ";
        if (options_.trace) {
            std::fprintf(stderr, "%s%s ...\n", number.c_str(), kindName(kind));
            std::fflush(stderr);
        }
        try {
            description = perform(kind);
        } catch (const std::exception &error) {
            record(number + kindName(kind));
            return std::string("an exception escaped the event into the driver: ") + error.what();
        } catch (...) {
            record(number + kindName(kind));
            return std::string("an unknown exception escaped the event into the driver");
        }
        record(number + description);
        if (options_.trace) {
            std::fprintf(stderr, "%s%s\n", number.c_str(), description.c_str());
            std::fflush(stderr);
        }
        if (!processEvents())
            return std::string("an exception escaped Qt's event processing");
        if (deferredFailure_) {
            const std::string failure = *deferredFailure_;
            deferredFailure_.reset();
            return failure;
        }

        if (acted) {
            ++enterEscapeTotal_;
            const QChar key = description == "Escape" ? QLatin1Char('r') : QLatin1Char('=');
            acted->deliverKey(key);
            // model_ has seen whatever edits the key made (none if it was
            // ignored); acted has the key taken like a typed operation key.
            const bool asTyped = !compare(*acted);
            if (!compare(model_)) {
                if (asTyped)
                    ++enterEscapeAmbiguous_;
            } else if (asTyped) {
                model_ = *acted;
                ++enterEscapeActed_;
            } else {
                return "after " + description
                    + " the window matches neither the key ignored nor the key acted on "
                      "like a typed operation key: "
                    + *compare(*acted);
            }
        }
        if (!std::isfinite(window_.parenBase()->acc())) {
            ++nonFiniteAccEvents_;
            if (accWasFinite && reportedCount(soak::ArithmeticNumber) == arithmeticBefore)
                ++accRevived_;
        }
        const qsizetype length = text1_->text().size();
        maxTextLength_ = std::max<long long>(maxTextLength_, length);
        return check();
    }

    static const char *kindName(Kind kind)
    {
        for (const KindInfo &info : Kinds) {
            if (info.kind == kind)
                return info.name;
        }
        return "?";
    }

    void record(std::string line)
    {
        history_.push_back(std::move(line));
        if (history_.size() > 40)
            history_.pop_front();
    }

    // Qt's own event processing must return normally: a run-time error that
    // escaped a guarded() entry point would unwind through Qt.
    bool processEvents()
    {
        try {
            QCoreApplication::processEvents();
            return true;
        } catch (...) {
            return false;
        }
    }

    // ---- invariants ---------------------------------------------------------

    std::optional<std::string> check()
    {
        try {
            if (std::optional<std::string> failure = checkInvariants())
                return failure;
            return compare(model_);
        } catch (const std::exception &error) {
            return std::string("checking the invariants threw: ") + error.what();
        }
    }

    std::optional<std::string> checkInvariants() const
    {
        const TypeInPad *pad = window_.typeInPad();
        if (pad->selfEdit())
            return std::string("TypeInPad::selfEdit() is still true after the event");
        const QString conKey = pad->conKey();
        if (!conKey.isEmpty()
            && !(conKey.size() == 1 && QStringView(u"+-*/()=r").contains(conKey.front())))
            return "conKey() is " + describe(conKey) + ", no operation key";

        const double arab = window_.arabDisplay()->value();
        const double roman = window_.romanDisplay()->value();
        if (!std::isfinite(arab))
            return "ArabDisplay1 holds the non-finite value " + numberString(arab);
        if (!std::isfinite(roman))
            return "RomanDisplay1 holds the non-finite value " + numberString(roman);
        const QString arabText = arabVal_->text();
        const QString romanText = romanValue_->text();
        const bool fresh = !model_.shown;
        if (arabText != numberText(arab) && !(fresh && arabText == QLatin1String("0")))
            return "ArabVal shows " + describe(arabText) + " for the value " + numberString(arab)
                + ", whose text is " + describe(numberText(arab));
        if (romanText != romanNumeral(roman) && !(fresh && romanText == RomanZeroText))
            return "RomanValue shows " + describe(romanText) + " for the value "
                + numberString(roman) + ", whose numeral is " + describe(romanNumeral(roman));
        for (const QString &shown : {arabText, romanText}) {
            if (shown.contains(QLatin1String("inf"), Qt::CaseInsensitive)
                || shown.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                return "a readout shows a non-finite number: " + describe(shown);
        }
        // Acc is not finite only after an arithmetic error: either the failed
        // result itself (kept until "r", Clear or a Pop replaces it), or such a
        // result that a "(" saved on the stack and a ")" brought back.
        const double acc = window_.parenBase()->acc();
        if (!std::isfinite(acc) && reportedCount(soak::ArithmeticNumber) == 0)
            return "Acc is " + numberString(acc) + " but no arithmetic error was ever reported";
        if (!std::isfinite(window_.parenBase()->value()))
            return "the keypad's Value is not finite: "
                + numberString(window_.parenBase()->value());
        return std::nullopt;
    }

    long long reportedCount(int number) const
    {
        const auto found = reported_.find(number);
        return found == reported_.end() ? 0 : found->second;
    }

    // The window against the oracle; the first difference, or nothing.
    std::optional<std::string> compare(const soak::CalcModel &model) const
    {
        const ParenBase *keypad = window_.parenBase();
        Stack *stack = window_.stack();
        const auto differs = [](const char *what, double got, double want) {
            return std::string(what) + " is " + numberString(got) + ", the oracle expects "
                + numberString(want);
        };
        if (!same(keypad->value(), model.value))
            return differs("the keypad's Value", keypad->value(), model.value);
        if (!same(keypad->acc(), model.acc))
            return differs("the keypad's Acc", keypad->acc(), model.acc);
        if (keypad->pend() != model.pend)
            return differs("the keypad's Pend", keypad->pend(), model.pend);
        if (!same(window_.arabDisplay()->value(), model.arab))
            return differs("ArabDisplay1's Value", window_.arabDisplay()->value(), model.arab);
        if (!same(window_.romanDisplay()->value(), model.roman))
            return differs("RomanDisplay1's Value", window_.romanDisplay()->value(), model.roman);
        if (stack->itos() != model.codes.front())
            return differs("the stack's ITOS", stack->itos(), model.codes.front());
        if (stack->ibos() != model.codes.back())
            return differs("the stack's IBOS", stack->ibos(), model.codes.back());
        if (!same(stack->bos(), model.levels.back()))
            return differs("the stack's BOS", stack->bos(), model.levels.back());
        if (text1_->text() != model.text)
            return "the type-in text is " + describe(text1_->text()) + ", the oracle expects "
                + describe(model.text);
        if (window_.typeInPad()->conKey() != model.conKey)
            return "conKey() is " + describe(window_.typeInPad()->conKey())
                + ", the oracle expects " + describe(model.conKey);
        if (reported_ != model.errors)
            return "the errors reported are " + errorSummary(reported_) + " (last: "
                + lastReport_.toStdString() + "), the oracle expects " + errorSummary(model.errors);
        return std::nullopt;
    }

    static std::string errorSummary(const std::map<int, long long> &counts)
    {
        std::string out;
        for (const auto &[number, count] : counts) {
            if (count == 0)
                continue;
            out += (out.empty() ? "" : ", ") + std::string("error ") + std::to_string(number) + " x"
                + std::to_string(count);
        }
        return out.empty() ? "none" : out;
    }

    int fail(long long event, const std::string &failure)
    {
        eventNumber_ = event;
        std::fflush(stdout);
        std::fprintf(stderr,
            "roman-soak: FAILED: seed %" PRIu64 ", event %lld of %lld: %s\n"
            "  window: text %s, conKey %s, Value %s, Acc %s, Pend %d, readouts %s / %s\n",
            options_.seed, event, options_.events, failure.c_str(),
            describe(text1_->text()).c_str(), describe(window_.typeInPad()->conKey()).c_str(),
            numberString(window_.parenBase()->value()).c_str(),
            numberString(window_.parenBase()->acc()).c_str(), int(window_.parenBase()->pend()),
            describe(arabVal_->text()).c_str(), describe(romanValue_->text()).c_str());
        std::fprintf(stderr,
            "  oracle: text %s, conKey %s, Value %s, Acc %s, Pend %d, readouts %s\n",
            describe(model_.text).c_str(), describe(model_.conKey).c_str(),
            numberString(model_.value).c_str(), numberString(model_.acc).c_str(), int(model_.pend),
            numberString(model_.arab).c_str());
        printHistory(stderr);
        return 1;
    }

    const Options &options_;
    std::mt19937_64 rng_;
    Calvaran &window_;
    QLineEdit *text1_;
    QPushButton *copy_;
    QLineEdit *arabVal_;
    QLineEdit *romanValue_;
    std::vector<QPushButton *> buttons_;
    std::vector<Component> components_;
    ErrorReporter previousReporter_;

    soak::CalcModel model_;
    std::map<int, long long> reported_;
    std::map<int, long long> hostCaught_;
    QString lastReport_;
    std::optional<std::string> deferredFailure_;
    bool clipboardWorks_ = false;

    long long eventNumber_ = 0;
    std::deque<std::string> history_;
    std::array<long long, KindCount> kindCounts_ {};
    long long keypadActions_ = 0;
    long long accessKeyClicks_ = 0;
    long long copies_ = 0;
    long long enterEscapeActed_ = 0;
    long long enterEscapeTotal_ = 0;
    long long enterEscapeAmbiguous_ = 0;
    long long maxTextLength_ = 0;
    long long nonFiniteAccEvents_ = 0;
    long long accRevived_ = 0;
};

Soak *activeSoak = nullptr;

void printHistoryOnDeath()
{
    if (activeSoak)
        activeSoak->printHistory(stderr);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(messageHandler);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("roman-soak"));
    const Options options = parseOptions(QCoreApplication::arguments());
    if (!options.locale.isEmpty())
        QLocale::setDefault(QLocale(options.locale));

    Calvaran window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "roman-soak: the window was not exposed\n");
        return 1;
    }
    // Access keys need the active window.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "roman-soak: note: the window is not active; access keys type\n");

    Soak soak(options, window);
    activeSoak = &soak;
    std::set_terminate([] {
        std::fprintf(stderr, "roman-soak: terminate called (an exception escaped?)\n");
        printHistoryOnDeath();
        std::abort();
    });
#ifdef ROMAN_SOAK_SANITIZER
    __sanitizer_set_death_callback(printHistoryOnDeath);
#endif
    const int result = soak.run();
    activeSoak = nullptr;
    return result;
}

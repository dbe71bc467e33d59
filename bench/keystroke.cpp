// The cost of one keystroke into the calculator's type-in box, from the key
// press to both readouts holding their new text, beside the same keystroke
// into a bare QLineEdit. Everything after the key happens synchronously inside
// it, so the time of the key click is the whole cost; repainting comes later
// from the event loop and is left out of both. The readouts hold their new
// text at once but lay it out when painted, so that work falls in the
// repaint, as the bare box's painting does. Under X11 the server has drawn
// each frame before the next key, as it has between a person's keystrokes:
// otherwise it draws on the other core while the next key is timed, and more
// so for the calculator's larger frames.
//
// usage: bench-keystroke [repetitions] [--callgrind]
// With --callgrind, run under valgrind --tool=callgrind --collect-atstart=no
// --toggle-collect='*typeKey*': each target and entry then ends in a dump of
// its own, labelled "target|entry|keystrokes".

#include "bench/benchwindows.h"
#include "bench/stats.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef BENCH_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(label) static_cast<void>(label)
#endif

namespace {

struct Entry
{
    const char *label;
    const char *keys;
    const char *shown; // by the decimal readout once the entry is typed
};

constexpr Entry Entries[] = {
    {"decimal 1234.5", "1234.5", "1234.5"},
    {"Roman MMMMDCCCLXXXVIII", "MMMMDCCCLXXXVIII", "4888"},
    {"hexadecimal 0x1F2E3D", "0x1F2E3D", "2043453"},
    {"operation 12+34=", "12+34=", "46"},
};
constexpr std::size_t EntryCount = std::size(Entries);

enum Target { Calculator, Bare, TargetCount };
constexpr const char *TargetNames[TargetCount] = {"calculator", "bare"};

using Samples = std::array<std::array<std::vector<double>, EntryCount>, TargetCount>;

// Paints what the last key changed and, under X11, waits for the server to
// have drawn it: a round trip, which it answers after all that came before.
void drawn()
{
    QCoreApplication::processEvents();
#ifdef BENCH_XCB
    // Offscreen answers too, with no connection.
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

// The only function callgrind counts in, so it must stay a call of its own.
[[gnu::noipa]] void typeKey(QLineEdit *box, char key)
{
    QTest::keyClick(box, key);
}

class Typist
{
public:
    explicit Typist(BenchWindows &windows)
        : windows_(windows)
    { }

    // Types one entry from an empty box, each keystroke timed on its own.
    void type(Target target, const Entry &entry, std::vector<double> &nanoseconds)
    {
        QLineEdit *box = target == Calculator ? windows_.typeIn : windows_.bareBox;
        clear(target);
        for (const char *key = entry.keys; *key; ++key) {
            const auto start = std::chrono::steady_clock::now();
            typeKey(box, *key);
            const auto stop = std::chrono::steady_clock::now();
            nanoseconds.push_back(std::chrono::duration<double, std::nano>(stop - start).count());
            // Paint the last keystroke's frame before the next one, as a
            // person's typing would leave time to.
            drawn();
        }
    }

private:
    void clear(Target target)
    {
        // The calculator's own clear key also resets its running result, so
        // that every repetition of an operation starts from the same state.
        if (target == Calculator)
            QTest::keyClick(windows_.typeIn, 'r');
        else
            windows_.bareBox->clear();
        drawn();
    }

    BenchWindows &windows_;
};

void printTable(const Samples &samples)
{
    std::printf("| entry | keys | calculator µs/key | bare QLineEdit µs/key | ratio |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    std::array<std::vector<double>, TargetCount> all;
    for (std::size_t e = 0; e < EntryCount; ++e) {
        const double calculator = median(samples[Calculator][e]) / 1000;
        const double bare = median(samples[Bare][e]) / 1000;
        std::printf("| %s | %zu | %.1f | %.1f | %.2f |\n", Entries[e].label,
            std::strlen(Entries[e].keys), calculator, bare, calculator / bare);
        for (int t = 0; t < TargetCount; ++t)
            all[t].insert(all[t].end(), samples[t][e].begin(), samples[t][e].end());
    }
    const double calculator = median(all[Calculator]) / 1000;
    const double bare = median(all[Bare]) / 1000;
    std::printf("| all keystrokes | %zu | %.1f | %.1f | %.2f |\n", all[Calculator].size(),
        calculator, bare, calculator / bare);
}

// Alternating which goes first spreads the machine's slow moments evenly.
Samples measure(Typist &typist, int repetitions)
{
    Samples samples;
    for (int r = 0; r < repetitions; ++r) {
        for (std::size_t e = 0; e < EntryCount; ++e) {
            const Target first = r % 2 == 0 ? Calculator : Bare;
            const Target second = first == Calculator ? Bare : Calculator;
            typist.type(first, Entries[e], samples[first][e]);
            typist.type(second, Entries[e], samples[second][e]);
        }
    }
    return samples;
}

// Instruction counts repeat exactly where times do not; one dump per target
// and entry, each holding only what ran inside typeKey since the last dump.
void countInstructions(Typist &typist, int repetitions)
{
    CALLGRIND_DUMP_STATS_AT("warm-up");
    for (int t = 0; t < TargetCount; ++t) {
        for (std::size_t e = 0; e < EntryCount; ++e) {
            std::vector<double> nanoseconds;
            for (int r = 0; r < repetitions; ++r)
                typist.type(Target(t), Entries[e], nanoseconds);
            const std::string label = std::string(TargetNames[t]) + "|" + Entries[e].label + "|"
                + std::to_string(nanoseconds.size());
            CALLGRIND_DUMP_STATS_AT(label.c_str());
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int repetitions = 200;
    bool callgrind = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--callgrind") == 0)
            callgrind = true;
        else
            repetitions = std::atoi(argv[i]);
    }

    BenchWindows windows;
    Typist typist(windows);
    // A first pass settles caches, fonts and lazily built state in both, and
    // makes sure that the keys take the calculator's real road.
    // By its property: the readout's box has been a QLineEdit, and a
    // commit measured with --before may have one.
    const auto *readout = windows.calculator.findChild<QWidget *>(QStringLiteral("ArabVal"));
    for (const Entry &entry : Entries) {
        std::vector<double> discarded;
        typist.type(Calculator, entry, discarded);
        typist.type(Bare, entry, discarded);
        const QString shown = readout->property("text").toString();
        if (shown != QLatin1String(entry.shown)) {
            std::fprintf(
                stderr, "%s shows %s, not %s\n", entry.label, qPrintable(shown), entry.shown);
            return 1;
        }
    }
    if (callgrind)
        countInstructions(typist, repetitions);
    else
        printTable(measure(typist, repetitions));
    return 0;
}

// The cost of one keystroke into the calculator's type-in box, from the key
// press to the window painted with everything it changed (both readouts, the
// status line, the tape at =), beside the same keystroke into a window of
// plain Qt widgets showing the same texts (bench/plainwindow.h). Under X11
// the server has also drawn the frame before the clock stops: a round trip,
// as between a person's keystrokes.
//
// usage: bench-keystroke [repetitions] [--callgrind]
// With --callgrind, run under valgrind --tool=callgrind --collect-atstart=no
// --toggle-collect='*typeKey*': each target and entry then ends in a dump of
// its own, labelled "target|entry|keystrokes".

#include "bench/benchwindows.h"
#include "bench/plainwindow.h"
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

enum Target { TheCalculator, Plain, TargetCount };
constexpr const char *TargetNames[TargetCount] = {"calculator", "plain"};

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

// The only function callgrind counts in, so it must stay a call of its own:
// the key, what the plain window then shows, and the frame drawn.
[[gnu::noipa]] void typeKey(
    QLineEdit *box, char key, PlainWindow *plain, const PlainWindow::Shown *shown)
{
    QTest::keyClick(box, key);
    if (plain)
        plain->show(*shown);
    drawn();
}

class Typist
{
public:
    Typist(BenchWindows &windows, PlainWindow &plain)
        : windows_(windows)
        , plain_(plain)
    { }

    // Types each entry into the calculator and keeps what it showed after
    // each key, for the plain window to show.
    void record()
    {
        for (std::size_t e = 0; e < EntryCount; ++e) {
            clear(TheCalculator);
            cleared_ = plain_.calculatorShows();
            shown_[e].clear();
            for (const char *key = Entries[e].keys; *key; ++key) {
                typeKey(windows_.typeIn, *key, nullptr, nullptr);
                shown_[e].push_back(plain_.calculatorShows());
            }
        }
    }

    // Types one entry from an empty box, each keystroke timed on its own.
    void type(Target target, std::size_t entry, std::vector<double> &nanoseconds)
    {
        const bool plain = target == Plain;
        QLineEdit *box = plain ? plain_.typeIn : windows_.typeIn;
        clear(target);
        const char *keys = Entries[entry].keys;
        for (std::size_t k = 0; keys[k]; ++k) {
            const auto start = std::chrono::steady_clock::now();
            typeKey(box, keys[k], plain ? &plain_ : nullptr, &shown_[entry][k]);
            const auto stop = std::chrono::steady_clock::now();
            nanoseconds.push_back(std::chrono::duration<double, std::nano>(stop - start).count());
        }
    }

private:
    void clear(Target target)
    {
        // The calculator's own clear key also resets its running result, so
        // that every repetition of an operation starts from the same state.
        if (target == TheCalculator)
            QTest::keyClick(windows_.typeIn, 'r');
        else
            plain_.show(cleared_);
        drawn();
    }

    BenchWindows &windows_;
    PlainWindow &plain_;
    PlainWindow::Shown cleared_;
    std::array<std::vector<PlainWindow::Shown>, EntryCount> shown_;
};

void printTable(const Samples &samples)
{
    std::printf("| entry | keys | calculator µs/key | plain widgets µs/key | ratio |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    std::array<std::vector<double>, TargetCount> all;
    for (std::size_t e = 0; e < EntryCount; ++e) {
        const double calculator = median(samples[TheCalculator][e]) / 1000;
        const double plain = median(samples[Plain][e]) / 1000;
        std::printf("| %s | %zu | %.1f | %.1f | %.2f |\n", Entries[e].label,
            std::strlen(Entries[e].keys), calculator, plain, calculator / plain);
        for (int t = 0; t < TargetCount; ++t)
            all[t].insert(all[t].end(), samples[t][e].begin(), samples[t][e].end());
    }
    const double calculator = median(all[TheCalculator]) / 1000;
    const double plain = median(all[Plain]) / 1000;
    std::printf("| all keystrokes | %zu | %.1f | %.1f | %.2f |\n", all[TheCalculator].size(),
        calculator, plain, calculator / plain);
}

// Alternating which goes first spreads the machine's slow moments evenly.
Samples measure(Typist &typist, int repetitions)
{
    Samples samples;
    for (int r = 0; r < repetitions; ++r) {
        for (std::size_t e = 0; e < EntryCount; ++e) {
            const Target first = r % 2 == 0 ? TheCalculator : Plain;
            const Target second = first == TheCalculator ? Plain : TheCalculator;
            typist.type(first, e, samples[first][e]);
            typist.type(second, e, samples[second][e]);
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
                typist.type(Target(t), e, nanoseconds);
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
    windows.bare.hide();
    PlainWindow plain(windows.calculator);
    // Beside the calculator, not over it: a covered window draws less.
    plain.window.move(windows.calculator.frameGeometry().bottomLeft() + QPoint(0, 40));
    plain.window.show();
    if (!plain.typeIn || !QTest::qWaitForWindowExposed(&plain.window)) {
        std::fprintf(stderr, "the plain window has no Text1 or was never exposed\n");
        return 1;
    }
    Typist typist(windows, plain);
    typist.record();
    // A first pass settles caches, fonts and lazily built state in both, and
    // makes sure that the keys take the calculator's real road.
    // By its property: a commit measured with --before may have had its own box.
    const auto *readout = windows.calculator.findChild<QWidget *>(QStringLiteral("ArabVal"));
    for (std::size_t e = 0; e < EntryCount; ++e) {
        std::vector<double> discarded;
        typist.type(TheCalculator, e, discarded);
        const QString shown = readout->property("text").toString();
        typist.type(Plain, e, discarded);
        if (shown != QLatin1String(Entries[e].shown)) {
            std::fprintf(stderr, "%s shows %s, not %s\n", Entries[e].label, qPrintable(shown),
                Entries[e].shown);
            return 1;
        }
    }
    if (callgrind)
        countInstructions(typist, repetitions);
    else
        printTable(measure(typist, repetitions));
    return 0;
}

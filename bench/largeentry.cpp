// A pasted entry of up to a million characters must cost time in proportion
// to its length: the time per character stays about the same from 125 kB to
// 1 MB, in the calculator and in a bare QLineEdit given the same text.
//
// usage: bench-large-entry [repetitions]

#include "bench/benchwindows.h"
#include "bench/stats.h"

#include <QApplication>
#include <QLineEdit>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

struct Entry
{
    const char *label;
    const char *prefix;
    const char *pattern;
};

// A wall of digits is too large for a double and no numeral; a wall of Ms is
// a Roman numeral of a billion; the hexadecimal one overflows a double and is
// reported; the calculation is entered piece by piece.
constexpr Entry Entries[] = {
    {"decimal digits", "", "1234567890"},
    {"Roman M", "", "M"},
    {"0X hexadecimal", "0X", "1F2E3D4C5B6A7988"},
    {"a calculation", "", "12+xiv*0x1F-(3/4)+"},
};

constexpr qsizetype Lengths[] = {125'000, 250'000, 500'000, 1'000'000};

QString makeText(const Entry &entry, qsizetype length)
{
    QString text = QString::fromLatin1(entry.prefix);
    const QString pattern = QString::fromLatin1(entry.pattern);
    text.reserve(length);
    while (text.size() + pattern.size() <= length)
        text += pattern;
    text += pattern.left(length - text.size());
    return text;
}

double pasteMilliseconds(QLineEdit *box, const QString &text)
{
    box->clear();
    QCoreApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    box->setText(text);
    const auto stop = std::chrono::steady_clock::now();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 7;
    BenchWindows windows;

    std::printf("| entry | characters | calculator ms | ns/char | bare QLineEdit ms | ns/char | "
                "ratio |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const Entry &entry : Entries) {
        for (const qsizetype length : Lengths) {
            const QString text = makeText(entry, length);
            std::vector<double> calculator;
            std::vector<double> bare;
            for (int r = 0; r < repetitions; ++r) {
                calculator.push_back(pasteMilliseconds(windows.typeIn, text));
                bare.push_back(pasteMilliseconds(windows.bareBox, text));
            }
            const double calculatorMs = median(calculator);
            const double bareMs = median(bare);
            std::printf("| %s | %lld | %.1f | %.1f | %.1f | %.1f | %.2f |\n", entry.label,
                static_cast<long long>(length), calculatorMs, calculatorMs * 1e6 / double(length),
                bareMs, bareMs * 1e6 / double(length), calculatorMs / bareMs);
            std::fflush(stdout);
        }
    }
    return 0;
}

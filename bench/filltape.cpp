// Writes a tape of entries into a folder, as the calculator saves it, so that
// the start-up benchmark can time a window that opens with a full tape:
//
//     bench-fill-tape DATA-HOME/roman-calculator [ENTRIES]
//     XDG_DATA_HOME=DATA-HOME bench-startup RUNS bench-start-calculator bench-start-bare

#include "app/tape/tapefile.h"
#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [ENTRIES]\n", argv[0]);
        return 2;
    }
    TapeFile file(QString::fromLocal8Bit(argv[1]));
    const int entries = argc > 2 ? std::atoi(argv[2]) : int(TapeFile::Kept);
    if (!file.clear())
        return 1;
    // Calculations of the length people make: a year, a parenthesis, a product.
    std::vector<TapeEntry> tape;
    for (int i = 0; i < entries; ++i) {
        const double year = 1000 + i % 7000, step = 1 + i % 30, result = year + step * 4;
        const auto line = [&](auto write) {
            return QStringLiteral("%1 + (%2 × %3) = %4")
                .arg(write(year), write(step), write(4.0), write(result));
        };
        tape.push_back({line(numberText), line(romanNumeral), result});
    }
    return file.append(tape) ? 0 : 1;
}

// A paste of any size keeps the window answering. Pastes one text into the
// window, offscreen, with its tape in a folder of its own, and prints how long
// until it was done, the longest the event loop went without a turn, and the
// memory before, at the peak and afterwards.
//
// usage: bench-big-paste digits|column|sum [megabytes]
//   digits: a wall of decimal digits (10 MB)
//   column: a column of the numbers 0 to 99,999, one a line
//   sum:    1+1+1… (2 MB)

#include "app/window/calvaran.h"
#include "numerals/typeinpad.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// A line of /proc/self/status in kB: VmRSS now, VmHWM the peak.
long status(const char *field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field)) + 1)
                .trimmed()
                .split(' ')
                .front()
                .toLong();
    return -1;
}

QString text(const QString &kind, double megabytes)
{
    QString text;
    if (kind == u"column") {
        for (int n = 0; n < 100000; ++n)
            text += QString::number(n) + u'\n';
    } else if (kind == u"sum") {
        text = QStringLiteral("1+").repeated(qsizetype(megabytes * 1e6 / 2)) + u'1';
    } else {
        text = QString(qsizetype(megabytes * 1e6), u'7');
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("digits");
    const double megabytes = argc > 2 ? std::atof(argv[2]) : kind == u"sum" ? 2 : 10;
    QTemporaryDir folder;
    Calvaran window(folder.path());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(200);
    QApplication::clipboard()->setText(text(kind, megabytes));
    const long before = status("VmRSS:");

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start();
    clock.start();
    auto *box = window.typeInPad()->findChild<QLineEdit *>();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    while (window.pasting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 done = clock.elapsed();
    longest = std::max(longest, done - last);
    QTest::qWait(300);
    std::printf("%s: %.1f MB pasted, done in %lld ms, longest without a turn %lld ms; "
                "memory %ld MB before, %ld MB at the peak, %ld MB after\n",
        qPrintable(kind), double(QApplication::clipboard()->text().size()) / 1e6,
        static_cast<long long>(done), static_cast<long long>(longest), before / 1024,
        status("VmHWM:") / 1024, status("VmRSS:") / 1024);
    return 0;
}

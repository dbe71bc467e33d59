// Renders the calculator window to a PNG for the README, after typing a short
// calculation into it, exactly as a person would see it on screen.

#include "app/calvaran.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [TYPED-TEXT]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    Calvaran window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *text = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QTest::keyClicks(text, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("2+(3*4)="));
    QTest::keyClicks(text, QStringLiteral("mcmxcix"));
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

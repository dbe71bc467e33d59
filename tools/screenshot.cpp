// Renders the calculator window to a PNG for the README, after typing into it,
// exactly as a person would see it on screen; typed text that ends in "{F1}"
// opens the help, which is rendered instead:
//
//     roman-calculator-screenshot OUTPUT.png [TYPED-TEXT [SCALE [FORMS]]]
//
// FORMS holds v for large numbers with bars and t for fractions in twelfths.

#include "app/window/calvaran.h"
#include "app/help/helpwindow.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [TYPED-TEXT [SCALE]]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    // The design's own font, so that the picture does not depend on the
    // machine that makes it.
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
    Calvaran window;
    // The tape shown whatever the machine's settings say, so that the picture does not depend on
    // them.
    window.showTape(true);
    if (argc > 4) {
        const QString forms = QString::fromLocal8Bit(argv[4]);
        window.useNumeralFormsForThisRun({forms.contains(u'v'), forms.contains(u't')});
    }
    if (argc > 3)
        window.resize(window.size() * QString::fromLocal8Bit(argv[3]).toDouble());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *text = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QString typed = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("1999+iiii");
    const QString helpKey = QStringLiteral("{F1}");
    const bool help = typed.endsWith(helpKey);
    QTest::keyClicks(text, typed.chopped(help ? helpKey.size() : 0));
    QWidget *shown = &window;
    if (help) {
        QTest::keyClick(text, Qt::Key_F1);
        shown = window.findChild<HelpWindow *>();
        if (!shown || !QTest::qWaitForWindowExposed(shown))
            return 1;
    }
    return shown->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

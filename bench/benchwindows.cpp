#include "bench/benchwindows.h"

#include "core/errors.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

void showExposed(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "window %s was never exposed\n", qPrintable(window.objectName()));
        std::exit(1);
    }
}

} // namespace

BenchWindows::BenchWindows()
{
    // Entries such as "1234.5" must read as decimals whatever the machine's
    // locale, and an entry too large for a double is reported: a message box
    // would stop the run.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setErrorReporter([](const RuntimeError &) {});

    showExposed(calculator);
    typeIn = calculator.findChild<QLineEdit *>(QStringLiteral("Text1"));
    if (!typeIn) {
        std::fprintf(stderr, "the calculator has no Text1\n");
        std::exit(1);
    }

    bare.setObjectName(QStringLiteral("Bare"));
    bare.setFixedSize(calculator.size());
    bareBox = new QLineEdit(&bare);
    bareBox->setGeometry(QRect(typeIn->mapTo(&calculator, QPoint()), typeIn->size()));
    bareBox->setFont(typeIn->font());
    bareBox->setMaxLength(typeIn->maxLength());
    // The least any calculator does: an operation key ends the entry. Without
    // it the bare box would grow while the calculator's empties, and lay out
    // ever longer texts.
    QObject::connect(bareBox, &QLineEdit::textChanged, bareBox, [this](const QString &text) {
        if (!text.isEmpty() && QStringLiteral("+-*/()=r").contains(text.back()))
            bareBox->clear();
    });
    showExposed(bare);
}

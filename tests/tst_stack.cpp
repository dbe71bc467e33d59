#include "calc/stack.h"
#include "support.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QFrame>

namespace {

QString pushesUpTo(int last)
{
    QString pushes;
    for (int i = 1; i <= last; ++i)
        pushes += QString::number(i) + ' ';
    return pushes;
}

QString pops(int count)
{
    return QString("pop ").repeated(count);
}

void row(const char *name, const QString &script, const QString &reads)
{
    QTest::newRow(name) << script << reads;
}

void write(Stack &stack, const QString &name, double number)
{
    if (name == "itos")
        stack.setItos(std::int16_t(number));
    else if (name == "bos")
        stack.setBos(number);
    else if (name == "ibos")
        stack.setIbos(std::int16_t(number));
    else if (name == "clr")
        stack.setClr(number);
    else
        QFAIL(qPrintable("no property " + name));
}

double read(Stack &stack, const QString &name)
{
    if (name == "pop")
        return stack.tos();
    if (name == "itos")
        return stack.itos();
    if (name == "clr")
        return stack.clr();
    if (name == "bos")
        return stack.bos();
    if (name == "ibos")
        return stack.ibos();
    qFatal("no property %s", qPrintable(name));
}

} // namespace

class TestStack : public QObject
{
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reads");

        // A number pushes itself, "name=n" writes a property, any other word
        // reads one ("pop" reads TOS); reads lists what the reads gave.
        row("new stack", "itos pop pop", "0 0 0");
        row("code travels with value", "itos=3 5 itos pop itos", "3 5 0");
        row("staged code is not the top", "itos=2 itos 7 itos", "0 2");
        row("staged code stays staged", "itos=1 10 20 itos pop itos pop itos", "1 20 1 10 0");
        row("eleventh push drops the bottom", pushesUpTo(11) + pops(12),
            "11 10 9 8 7 6 5 4 3 2 2 2");
        row("bottom repeats upward", pushesUpTo(10) + pops(10) + "7 pop pop",
            "10 9 8 7 6 5 4 3 2 1 7 1");
        row("more pops than pushes", "itos=1 5 itos=4 6 pop pop itos pop", "6 5 0 0");
        row("clear keeps the codes", "itos=1 5 itos=4 6 clr itos pop", "0 4 0");
        row("clear by writing", "itos=1 5 clr=8 itos pop", "1 0");
        row("bottom written", "bos=9 ibos=2 " + pops(9) + "itos pop pop",
            "0 0 0 0 0 0 0 0 0 2 9 9");
        row("bottom read", "itos=5 " + pushesUpTo(10) + "bos ibos 11 bos", "1 5 2");
    }
    void levels()
    {
        QFETCH(QString, script);
        Stack stack;
        int popped = 0;
        stack.popped.connect([&popped] { ++popped; });

        QStringList reads;
        for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
            const QStringList nameAndValue = word.split('=');
            bool isNumber = false;
            const double number = nameAndValue.last().toDouble(&isNumber);
            if (nameAndValue.size() == 2)
                write(stack, nameAndValue.first(), number);
            else if (isNumber)
                stack.setTos(number);
            else
                reads << QString::number(read(stack, word));
        }
        QTEST(reads.join(' '), "reads");
        // Only reading TOS raises popped, once per read.
        QCOMPARE(popped, script.count("pop"));
    }

    void poppedInsideTheRead()
    {
        Stack stack;
        stack.setItos(1);
        stack.setTos(10.0);
        stack.setItos(2);
        stack.setTos(20.0);
        QList<int> seenCodes;
        stack.popped.connect([&] { seenCodes << stack.itos(); });

        QCOMPARE(stack.tos(), 20.0);
        QCOMPARE(seenCodes, QList<int> {1});
    }

    void outlineCovers_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addRow("as created") << QSize();
        QTest::addRow("wider") << QSize(4000, 300);
        QTest::addRow("tiny") << QSize(17, 1);
        QTest::addRow("nothing") << QSize(0, 0);
    }
    void outlineCovers()
    {
        QFETCH(QSize, size);
        Stack stack;
        if (size.isValid())
            stack.setTwipsGeometry(50, 60, size.width(), size.height());
        else
            size = QSize(2685, 750);
        QCOMPARE(twipsGeometry(stack.findChild<QFrame *>("outline")), QRect({0, 0}, size));
    }

    void outlineLooks()
    {
        Stack stack;
        const auto *outline = stack.findChild<QFrame *>("outline");
        QVERIFY(outline);
        QVERIFY(outline->autoFillBackground());
        QCOMPARE(outline->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(outline->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
        QCOMPARE(outline->focusPolicy(), Qt::NoFocus);
        QVERIFY(stack.tabOrder().isEmpty());
    }
};

ROMAN_TEST_MAIN(TestStack)
#include "tst_stack.moc"

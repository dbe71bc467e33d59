#include "calc/stack.h"
#include "support.h"

#include <QApplication>

class TestStack : public QObject
{
    Q_OBJECT

private slots:
    // A number pushes itself, "name=n" writes a property, any other word
    // reads one ("pop" reads TOS); reads lists what the reads gave.
    void levels_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reads");
        const QString tenPushes = "1 2 3 4 5 6 7 8 9 10 ";
        QTest::newRow("staged code") << "itos=1 itos 10 20 itos pop itos pop itos"
                                     << "0 1 20 1 10 0";
        QTest::newRow("eleventh push drops the bottom")
            << tenPushes + "11 " + QString("pop ").repeated(12) << "11 10 9 8 7 6 5 4 3 2 2 2";
        QTest::newRow("bottom repeats upward")
            << "bos=9 ibos=2 " + QString("pop ").repeated(9) + "itos pop itos pop"
            << "0 0 0 0 0 0 0 0 0 2 9 2 9";
        QTest::newRow("bottom read") << "itos=5 " + tenPushes + "bos ibos 11 bos"
                                     << "1 5 2";
        QTest::newRow("clear keeps the codes") << "itos=1 5 itos=4 6 clr itos pop itos"
                                               << "0 4 0 1";
        QTest::newRow("clear by writing") << "itos=1 5 clr=8 itos pop"
                                          << "1 0";
    }
    void levels()
    {
        QFETCH(QString, script);
        Stack stack;
        int popped = 0;
        stack.popped.connect([&popped] { ++popped; });
        QStringList reads;
        for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
            const QString name = word.section('=', 0, 0);
            const double number = word.section('=', -1).toDouble();
            if (word.contains('=')) {
                if (name == "itos")
                    stack.setItos(std::int16_t(number));
                else if (name == "bos")
                    stack.setBos(number);
                else if (name == "ibos")
                    stack.setIbos(std::int16_t(number));
                else
                    stack.setClr(number);
            } else if (word.front().isDigit()) {
                stack.setTos(number);
            } else {
                reads << QString::number(name == "pop" ? stack.tos()
                        : name == "itos"               ? stack.itos()
                        : name == "clr"                ? stack.clr()
                        : name == "bos"                ? stack.bos()
                                                       : stack.ibos());
            }
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
};

ROMAN_TEST_MAIN(TestStack)
#include "tst_stack.moc"

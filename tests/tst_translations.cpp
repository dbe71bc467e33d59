// The window in each language: its words translated, its access keys still
// distinct, and every number and numeral it shows the same as in English and
// read back by the type-in box.

#include "support.h"
#include "windowdriver.h"

#include "app/languages.h"

#include <QAction>
#include <QLabel>
#include <QSet>

namespace {

QStringList readouts(const QString &entry)
{
    WindowDriver w;
    w.enter(entry);
    return {w.arab(), w.roman()};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installTranslations(QLocale(QLocale::English)); }

    void windowInLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("oneOpen");
        QTest::addColumn<QString>("clearKey");
        const auto row = [](const char *language, const char *caption, const char *oneOpen,
                             const char *clearKey) {
            QTest::newRow(language) << language << caption << oneOpen << clearKey;
        };
        // A language without a translation keeps English, with its plural forms.
        row("pt", "Normal (Arabic) numerals", "1 parenthesis open", "R");
        row("de", "Normale (arabische) Zahlen", "1 Klammer offen", "L");
        row("fr", "Chiffres normaux (arabes)", "1 parenthèse ouverte", "E");
        row("it", "Numeri normali (arabi)", "1 parentesi aperta", "A");
        row("es", "Números normales (arábigos)", "1 paréntesis abierto", "B");
        row("la", "Numeri usitati (Arabici)", "1 parenthesis aperta", "D");
    }
    void windowInLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, clearKey);
        const QStringList entries = {"1234.5=", "mmmdcccxlviii=", "0X1F/8="};
        QList<QStringList> english;
        for (const QString &entry : entries)
            english << readouts(entry);

        installTranslations(QLocale(language));
        WindowDriver w;
        QTEST(w.child<QLabel>("Label1")->text(), "caption");
        w.enter("(");
        QTEST(w.child<QLabel>("StatusLine")->text(), "oneOpen");

        // Copy has no access key; every other button a key of its own.
        QSet<QKeySequence> keys;
        const QList<QPushButton *> buttons = w.calvaran.findChildren<QPushButton *>();
        for (const QPushButton *button : buttons)
            keys << QKeySequence::mnemonic(button->text());
        QCOMPARE(keys.size(), buttons.size());
        QVERIFY(keys.contains(QKeySequence("Alt+" + clearKey)));

        for (qsizetype i = 0; i < entries.size(); ++i) {
            w.enter("[Escape]" + entries[i]);
            const QStringList shown = {w.arab(), w.roman()};
            QCOMPARE(shown, english[i]);
            w.enter("[Escape]<paste:" + shown[0] + ">");
            QCOMPARE(w.arab(), shown[0]);
            w.enter("[Escape]<paste:" + shown[1] + ">");
            QCOMPARE(w.roman(), shown[1]);
        }
        // The overflow text in words is not read as a numeral.
        w.enter("[Escape]9000*2=");
        w.enter("[Escape]<paste:" + w.roman() + ">");
        QVERIFY(w.text1()->actions().constFirst()->isVisible());
    }
};

ROMAN_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"

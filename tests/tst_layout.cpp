// The window's layout at any size, scale, face and direction, the size and
// tape width it remembers, the desktop font it opens at, and each language.

#include "window.h"

#include "app/help/helpwindow.h"
#include "app/settings.h"
#include "app/window/windowsize.h"

#include <QDirIterator>
#include <QScreen>
#include <QSet>

namespace {

// Whether any caption or readout of the window cuts its text, as Qt paints
// them: a line edit keeps its frame, two pixels a side and the cursor free.
QString cutText(const QWidget &window)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *box = qobject_cast<QLineEdit *>(widget);
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *button = qobject_cast<QPushButton *>(widget);
        QString text = button ? button->text() : label && !label->wordWrap() ? label->text() : "";
        if (box && box->isReadOnly()) // what a person types may scroll
            text = box->text();
        const int room = widget->width() - (box ? (box->hasFrame() ? 7 : 5) : 4);
        const QFontMetrics metrics(widget->font());
        if (!text.isEmpty()
            && (metrics.size(Qt::TextShowMnemonic, text).width() > room
                || metrics.height() > widget->height()))
            return widget->objectName() + ": " + text;
    }
    return {};
}

// Settings of the test's own, as a new window finds them, until the guard
// goes; then those in the folder after.
auto useSettingsIn(const QString &folder, const QString &after)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    forgetSettings();
    return qScopeGuard([after] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(after));
        forgetSettings();
    });
}

} // namespace

class TestLayout : public WindowTest
{
    Q_OBJECT

private slots:
    // The window at a scale, in the design's faces and in others; the readouts
    // show their widest texts.
    void scaledInAnyFace_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<qreal>("factor");
        for (const char *face : {"Liberation", "DejaVu", "DejaVu Sans Mono"})
            for (const qreal factor : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", face, factor) << QString(face) << factor;
    }
    void scaledInAnyFace()
    {
        QFETCH(QString, face);
        QFETCH(qreal, factor);
        const auto substitute = [](const QString &face) {
            for (const char *design : {"MS Sans Serif", "MS Serif"}) {
                QFont::removeSubstitutions(design);
                QFont::insertSubstitution(design,
                    face.contains(' ') ? face : face + (design[3] == 'S' ? " Serif" : " Sans"));
            }
        };
        substitute(face);
        const auto restore = qScopeGuard([&] { substitute("Liberation"); });
        Window w;
        const auto geometries = [&] {
            QMap<const QWidget *, QRect> all;
            for (const QWidget *widget : w.calvaran.findChildren<QWidget *>())
                all.insert(widget, twipsGeometry(widget));
            return all;
        };
        const QMap<const QWidget *, QRect> design = geometries();
        w.calvaran.resize(w.calvaran.size() * factor);
        QCOMPARE(w.calvaran.scale(), factor);
        const auto children = w.calvaran.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *child : children) {
            if (factor == 2)
                QCOMPARE(twipsGeometry(child).size(), design[child].size() * 2);
            // No widget reaches into a sibling it keeps clear of in the design.
            for (const QWidget *other : children)
                QVERIFY(design[child].intersects(design[other])
                    || !child->geometry().intersects(other->geometry()));
        }
        // F9 puts the tape away, the window gives back its column and the
        // design stays where it was; a new window remembers.
        if (factor == 2) {
            const QSize withTape = w.calvaran.size();
            w.enter("{F9}");
            QCOMPARE(w.calvaran.size(), withTape - QSize(2 * 2880 / 15, 0));
            QVERIFY(!Calvaran().tapeShown());
            for (const QWidget *child : children)
                if (child != w.child("Tape"))
                    QCOMPARE(twipsGeometry(child),
                        QRect(design[child].topLeft() * 2, design[child].size() * 2));
            w.enter("{F9}");
            QCOMPARE(w.calvaran.size(), withTape);
        }
        // In the faces the design was drawn for, no text needs to shrink.
        if (face == "Liberation") {
            QCOMPARE(w.child("Label1")->font().pointSizeF(), 8.25 * factor);
            QCOMPARE(w.child("RomanValue")->font().pointSizeF(), 9.75 * factor);
        }
        for (const char *entry : {"8888", "-1.79769313486232E+308"}) {
            w.text1()->setText(entry);
            QCOMPARE(cutText(w.calvaran), QString());
        }
        w.calvaran.resize(w.calvaran.minimumSize());
        QCOMPARE(geometries(), design);
    }

    // The handle between the design and the tape follows the pointer both
    // ways, drag after drag (pixels to the right), the tape's right edge
    // staying where it can; where the design or the narrowest tape leaves no
    // room the window grows at its right edge. How far the handle moved,
    // and the window's width.
    void tapeHandleFollowsThePointer_data()
    {
        QTest::addColumn<QList<int>>("drags");
        QTest::addColumn<int>("moved");
        QTest::addColumn<int>("grown");
        QTest::newRow("right") << QList<int> {40} << 40 << 0;
        QTest::newRow("right past the narrowest tape") << QList<int> {150} << 150 << 46;
        QTest::newRow("left, against the design") << QList<int> {-40} << 0 << 40;
        QTest::newRow("right, then back") << QList<int> {60, -30} << 30 << 0;
        QTest::newRow("right, then further back") << QList<int> {60, -100} << 0 << 40;
    }
    void tapeHandleFollowsThePointer()
    {
        QFETCH(QList<int>, drags);
        // Each row from the tape's first width.
        const QTemporaryDir settings;
        const auto restore = useSettingsIn(settings.path(), home.filePath("config"));
        Window w;
        QWidget *handle = w.child("TapeSplitter");
        const int left = handle->x(), width = w.calvaran.width();
        for (const int pixels : drags) {
            const QPoint grip = handle->rect().center(), at = handle->mapToGlobal(grip);
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, handle->mapFromGlobal(at + QPoint(pixels, 0)));
            QTest::mouseRelease(
                handle, Qt::LeftButton, {}, handle->mapFromGlobal(at + QPoint(pixels, 0)));
        }
        QTEST(handle->x() - left, "moved");
        QTEST(w.calvaran.width() - width, "grown");
        QCOMPARE(w.child("Tape")->geometry().right(),
            w.calvaran.width() - 1 - int(std::lround(75 / 15.0 * w.calvaran.scale())));
    }

    // Any shape, up to far beyond what the layouts' 16-bit twips can hold:
    // the design stops growing at eight times its size, centred beside the
    // tape, which keeps to the right edge, and no error is raised.
    void anyWindowSize_data()
    {
        QTest::addColumn<QSizeF>("times"); // the design's width and height
        QTest::addColumn<qreal>("scale");
        QTest::newRow("20 by 20") << QSizeF(20, 20) << 8.0;
        QTest::newRow("wide") << QSizeF(20, 1.5) << 1.5;
        QTest::newRow("tall") << QSizeF(3, 20) << 3.0;
        QTest::newRow("narrower than opened") << QSizeF(0.5, 2) << 1.0;
    }
    void anyWindowSize()
    {
        QFETCH(QSizeF, times);
        Window w;
        recordErrors();
        const QSize design = w.calvaran.size();
        w.calvaran.resize(
            int(design.width() * times.width()), int(design.height() * times.height()));
        QTEST(w.calvaran.scale(), "scale");
        QCOMPARE(reported, std::vector<int>());
        const QRect window = w.calvaran.rect();
        const QRect handle = w.child("TapeSplitter")->geometry(),
                    tape = w.child("Tape")->geometry();
        QRect used;
        for (const QWidget *child : w.calvaran.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            used |= child == w.child("Tape") || child == w.child("TapeSplitter")
                ? QRect()
                : child->geometry();
        QVERIFY(window.contains(used | tape));
        const int margin = 1 + int(w.calvaran.scale() * 8);
        QVERIFY(qAbs(used.left() - (handle.left() - used.right())) <= margin);
        QVERIFY(window.right() - tape.right() <= margin);
        for (const char *name : {"RomanValue", "ArabVal", "Text1"})
            QVERIFY(!w.child(name)->geometry().isEmpty());
    }

    // Right to left (-reverse, or a right-to-left language): the parentheses
    // and numerals look as they do left to right.
    void readsLeftToRightInAnyDirection()
    {
        const auto looks = [](Qt::LayoutDirection direction) {
            QGuiApplication::setLayoutDirection(direction);
            Window w;
            w.enter("3-10=");
            QList<QImage> looks;
            for (const char *name : {"LParen", "RParen", "RomanValue", "Label1"})
                looks << w.child(name)->grab().toImage();
            return looks;
        };
        QCOMPARE(looks(Qt::RightToLeft), looks(Qt::LeftToRight));
    }

    void opensAtTheDesktopFontSize()
    {
        QApplication::setFont(designFont("MS Sans Serif", 16));
        Calvaran window;
        // It never gets smaller than it opened.
        QVERIFY(window.minimumSize() == window.size() && window.width() >= 302 * 16 / 8.25);
        QCOMPARE(window.findChild<QLabel *>("Label1")->font().pointSizeF(), 16.0);
    }

    // The size a window closed at, after the settings file was left alone,
    // cut short or overwritten, and the tape's width as its handle was
    // dragged towards the design.
    void remembersItsSize_data()
    {
        QTest::addColumn<QSize>("closedAt");
        QTest::addColumn<QByteArray>("damage"); // written over the file; "torn": cut in half
        QTest::addColumn<QSize>("opensAt");     // none: the screen's; 0x0: a new window's
        QTest::addColumn<int>("dragged");
        const QSize design(0, 0);
        QTest::newRow("enlarged") << QSize(604, 392) << QByteArray() << QSize(604, 392) << 0;
        QTest::newRow("beyond the screen") << QSize(3000, 2000) << QByteArray() << QSize() << 0;
        QTest::newRow("torn") << QSize(604, 392) << QByteArray("torn") << design << 0;
        QTest::newRow("binary") << QSize(604, 392) << QByteArray("[\x89PNG\0\xff\n=", 9) << design
                                << 0;
        QTest::newRow("tape widened") << QSize(604, 392) << QByteArray() << QSize(604, 392) << 60;
        QTest::newRow("tape narrowed") << QSize(604, 392) << QByteArray() << QSize(604, 392) << -60;
    }
    void remembersItsSize()
    {
        QFETCH(QSize, closedAt);
        QFETCH(QByteArray, damage);
        QFETCH(QSize, opensAt);
        const QTemporaryDir settings;
        const auto restore = useSettingsIn(settings.path(), home.filePath("config"));
        QFETCH(int, dragged);
        if (opensAt == QSize(0, 0))
            opensAt = Calvaran().size();
        int tapeWidth = 0;
        {
            Calvaran window;
            rememberWindowSize(&window);
            window.show();
            QWidget *handle = window.findChild<QWidget *>("TapeSplitter");
            const QPoint grip = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, grip - QPoint(dragged, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(dragged, 0));
            window.resize(closedAt);
            tapeWidth = window.tapePanel()->width();
            window.close();
        }
        for (QDirIterator it(settings.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (damage == "torn")
                QVERIFY(file.resize(file.size() / 2));
            else if (!damage.isEmpty())
                QVERIFY(file.resize(0) && file.write(damage) == damage.size());
        }
        // As the next run.
        forgetSettings();
        Window w;
        rememberWindowSize(&w.calvaran);
        QCOMPARE(w.calvaran.size(),
            opensAt.isEmpty() ? w.calvaran.screen()->availableGeometry().size() : opensAt);
        if (opensAt == closedAt)
            QCOMPARE(w.calvaran.tapePanel()->width(), tapeWidth);
    }

    // A caption and a message in each language, access keys that stay
    // distinct, and numbers and numerals shown and read back as in English.
    void inEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("unread");
        QTest::addColumn<QString>("clearKey");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("choices"); // the numeral choices in the menu
        const auto row = [](const char *language, const char *caption, const char *unread,
                             const char *clearKey, const char *help, const char *choices) {
            QTest::newRow(language)
                << language << caption << unread << clearKey << help << QString(choices);
        };
        row("de", "Normale (arabische) Zahlen", "ist weder eine Zahl", "L", "Gut zu wissen",
            "Gro\u00dfe Zahlen mit Strichen|Br\u00fcche in Zw\u00f6lfteln|Strenge Zahlschrift");
        row("fr", "Chiffres normaux (arabes)", "n\u2019est ni un nombre", "E", "Bon \u00e0 savoir",
            "Grands nombres avec barres|Fractions en douzi\u00e8mes|Chiffres stricts");
        row("it", "Numeri normali (arabi)", "non \u00e8 n\u00e9 un numero", "A", "Buono a sapersi",
            "Numeri grandi con barre|Frazioni in dodicesimi|Numeri rigorosi");
        row("es", "N\u00fameros normales (ar\u00e1bigos)", "no es ni un n\u00famero", "B",
            "Conviene saber",
            "N\u00fameros grandes con barras|Fracciones en doceavos|N\u00fameros estrictos");
        row("la", "Numeri usitati (Arabici)", "neque numerus", "D", "Scitu utilia",
            "Numeri magni cum virgulis|Partes in unciis|Numeri severi");
    }
    void inEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, clearKey);
        installTranslations(QLocale(language));
        Window w;
        QTEST(w.calvaran.findChild<QLabel *>("Label1")->text(), "caption");
        w.enter("VV");
        QFETCH(QString, unread);
        QVERIFY2(w.status().contains(unread), qPrintable(w.status()));
        // Copy has none, every other button one of its own, and so has the tape.
        QSet<QKeySequence> keys {
            QKeySequence::mnemonic(w.calvaran.findChild<QAction *>("ShowTape")->text())};
        const QList<QPushButton *> buttons = w.calvaran.findChildren<QPushButton *>();
        for (const QPushButton *button : buttons)
            keys << QKeySequence::mnemonic(button->text());
        QCOMPARE(keys.size(), buttons.size() + 1);
        QVERIFY(keys.contains(QKeySequence("Alt+" + clearKey)));
        // The help speaks the language; the application menu names the program as its title does.
        QFETCH(QString, help);
        QVERIFY(HelpWindow(&w.calvaran).text().contains(help));
        // The numeral choices in the language, each tip a sentence that finishes.
        QStringList choices;
        for (const char *name : {"LargeNumbers", "Fractions", "StrictNumerals"}) {
            const QAction *choice = w.calvaran.findChild<QAction *>(name);
            choices << choice->text();
            QVERIFY2(!choice->toolTip().isEmpty() && !choice->toolTip().trimmed().endsWith(':')
                    && HelpWindow(&w.calvaran).text().contains(choice->text()),
                qPrintable(choice->toolTip()));
        }
        QTEST(choices.join('|'), "choices");
        // One word for the tape: in its name, its menus and the help.
        QStringList naming {HelpWindow(&w.calvaran).text()};
        for (const char *name : {"ShowTape", "CopyWholeTape", "ClearTape"})
            naming << w.calvaran.findChild<QAction *>(name)->text().remove('&');
        for (const QString &text : std::as_const(naming))
            QVERIFY2(text.contains(w.calvaran.tapePanel()->accessibleName(), Qt::CaseInsensitive),
                qPrintable(text));
        QFile entry(ROMAN_DESKTOP_ENTRY);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString(entry.readAll())
                    .contains(QString("\nName[%1]=%2\n").arg(language, w.calvaran.windowTitle())));
        // What the readouts show is the same in every language, and reads back.
        for (const auto &[entry, shown] : {std::pair {"1234.5=", "1234.5|MCCXXXIV||1234.5"},
                 {"mmmdcccxlviii=", "3848|MMMDCCCXLVIII||3848"}, {"0X1F/8=", "3.875|IV||3.875"}}) {
            w.enter(QString("{Escape}") + entry);
            QCOMPARE(w.shown(), shown);
            for (const int readout : {0, 1}) {
                const QString text = QString(shown).section('|', readout, readout);
                w.enter("{Escape}");
                w.text1()->setText(text);
                QCOMPARE(w.shown().section('|', readout, readout), text);
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"

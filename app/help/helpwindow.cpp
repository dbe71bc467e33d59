#include "app/help/helpwindow.h"

#include "app/buildinfo.h"
#include "core/errors.h"
#include "core/operations.h"
#include "core/romannumeral.h"
#include "core/textservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString helpText(const char *text)
{
    return QCoreApplication::translate("HelpWindow", text);
}

// Every key the window reacts to has its row here, and a new key gets one.
// Keys are named as the desktop names them, from Qt's portable form with
// "; " between keys; the access keys come from the window's own buttons,
// since they differ by language, as do an action's, named by the action;
// typed characters are the same everywhere.
enum class Keys { Typed, Sequences, AccessKeys, Action };
struct KeyHelp
{
    Keys kind;
    const char *keys;
    const char *what;
};
constexpr KeyHelp KeyTable[] = {
    {Keys::Typed, "0\u20269  I V X L C D M  0X\n",
        QT_TRANSLATE_NOOP("HelpWindow",
            "In the type-in box: type a number, then end it with an operation; r clears the "
            "calculation.")},
    {Keys::Sequences, "Return; Enter",
        QT_TRANSLATE_NOOP("HelpWindow", "In the type-in box: finish the entry as = does.")},
    {Keys::Sequences, "Esc",
        QT_TRANSLATE_NOOP("HelpWindow",
            "All clear: a fresh start, whatever the type-in box holds; the keyboard "
            "goes back to the type-in box.")},
    {Keys::AccessKeys, "",
        QT_TRANSLATE_NOOP("HelpWindow",
            "Click that button of the keypad from anywhere in the window; its character is "
            "underlined while Alt is held.")},
    {Keys::Sequences, "Tab; Shift+Tab",
        QT_TRANSLATE_NOOP(
            "HelpWindow", "Move between the keypad, the readouts and the type-in box.")},
    {Keys::Sequences, "Ctrl+C",
        QT_TRANSLATE_NOOP("HelpWindow",
            "In the type-in box with nothing selected: copy the result, as Copy does.")},
    {Keys::Sequences, "Ctrl+A; Ctrl+C",
        QT_TRANSLATE_NOOP("HelpWindow",
            "In a readout: select and copy what it shows. Numbers and operations typed there go "
            "to the type-in box.")},
    {Keys::Sequences, "Ctrl+V",
        QT_TRANSLATE_NOOP(
            "HelpWindow", "Paste a whole calculation, such as 12+5=, into the type-in box.")},
    {Keys::Action, "ShowTape",
        QT_TRANSLATE_NOOP(
            "HelpWindow", "Show or hide the tape, a paper-tape history of the calculations.")},
    {Keys::Sequences, "Ctrl+C; Return",
        QT_TRANSLATE_NOOP("HelpWindow",
            "In the tape: copy the selected entries; put the entry's result into the type-in "
            "box, as a double click does. Numbers and operations typed there go to the type-in "
            "box.")},
    {Keys::Action, "DeleteEntry",
        QT_TRANSLATE_NOOP("HelpWindow", "In the tape: delete the selected entries.")},
    {Keys::Action, "UndoTape",
        QT_TRANSLATE_NOOP("HelpWindow",
            "Bring back the entries that the tape's last delete or clear took; a clear also "
            "keeps them in tape-cleared.txt beside the tape's file.")},
    {Keys::Action, "PrintTape",
        QT_TRANSLATE_NOOP("HelpWindow", "Print the tape, or save it as a PDF file.")},
    {Keys::Sequences, "F1", QT_TRANSLATE_NOOP("HelpWindow", "Show this help.")},
    {Keys::Sequences, "Ctrl+Q", QT_TRANSLATE_NOOP("HelpWindow", "Quit.")},
};

const QKeySequence HelpKey(Qt::Key_F1);

QString keyNames(const KeyHelp &row, const QWidget *calculator)
{
    QList<QKeySequence> keys;
    switch (row.kind) {
    case Keys::Typed: {
        QStringList operations;
        for (const Operation &op : Operations)
            operations << QString(QChar(op.key));
        return QString::fromUtf8(row.keys) + operations.join(u' ');
    }
    case Keys::Sequences:
        keys = QKeySequence::listFromString(
            QString::fromLatin1(row.keys), QKeySequence::PortableText);
        break;
    case Keys::AccessKeys:
        for (const QAbstractButton *button : calculator->findChildren<QAbstractButton *>()) {
            if (!button->shortcut().isEmpty())
                keys << button->shortcut();
        }
        break;
    case Keys::Action:
        if (const auto *action = calculator->findChild<QAction *>(QString::fromLatin1(row.keys)))
            keys = action->shortcuts();
        break;
    }
    // Four keys to a line keep the column narrow.
    QString names;
    for (qsizetype i = 0; i < keys.size(); ++i)
        names += (i == 0              ? QString()
                         : i % 4 == 0 ? QStringLiteral(",\n")
                                      : QStringLiteral(", "))
            + keys[i].toString(QKeySequence::NativeText);
    return names;
}

QString heading(const char *text)
{
    return QStringLiteral("<h3>%1</h3>").arg(helpText(text).toHtmlEscaped());
}

QString tableRow(const QString &left, const QString &right)
{
    return QStringLiteral(
        "<tr><td style='white-space:pre; padding-right:12px'><b>%1</b></td><td>%2</td></tr>")
        .arg(left.toHtmlEscaped(), right.toHtmlEscaped());
}

QString keysSection(const QWidget *calculator)
{
    QString html = heading(QT_TRANSLATE_NOOP("HelpWindow", "Keys"))
        + QStringLiteral("<table cellspacing='0' cellpadding='3'>");
    for (const KeyHelp &row : KeyTable)
        html += tableRow(keyNames(row, calculator), helpText(row.what));
    return html + QStringLiteral("</table>");
}

QString numbersSection()
{
    const QString decimal = QLocale().decimalPoint();
    const QString gap = QStringLiteral("   ");
    return heading(QT_TRANSLATE_NOOP("HelpWindow", "Numbers"))
        + QStringLiteral("<table cellspacing='0' cellpadding='3'>")
        + tableRow(QStringLiteral("14") + gap + QStringLiteral("2") + decimal + QStringLiteral("5")
                + gap + QStringLiteral("1E3"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "A decimal number, with your locale's decimal separator and an optional "
                "exponent: 1E3 is 1000.")))
        + tableRow(QStringLiteral("XIV") + gap + QStringLiteral("mcmxcix"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "A Roman numeral, in either case, read leniently: IIII is 4 and VX is 15; the "
                "status line names the standard form.")))
        + tableRow(QStringLiteral("0X1F") + gap + QStringLiteral("0xff"),
            helpText(QT_TRANSLATE_NOOP(
                "HelpWindow", "A hexadecimal number after the prefix 0X: 0X1F is 31.")))
        + tableRow(QStringLiteral("X̅") + gap + QStringLiteral("Ⅻ") + gap + QStringLiteral("IIS"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "Wider Roman forms, always read: a bar over a letter multiplies it by 1000 "
                "(X̅ is 10000), Unicode numerals read as their letters (Ⅻ is 12), S "
                "and dots are a half and twelfths (IIS is 2.5).")))
        + tableRow(QStringLiteral("CIↃ") + gap + QStringLiteral("IↃↃ") + gap + QStringLiteral("N"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "The forms of printed books and medieval tables, always read: the apostrophus "
                "(CIↃ is 1000, IↃↃ 5000, CCIↃↃ 10000) and N or nulla for zero.")))
        + tableRow(QCoreApplication::translate("NumeralChoices", "Large numbers with bars"),
            withVinculumRange(helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "A choice in the window's right-click menu: numbers from %1 to %2 "
                "are written with a bar over the thousands, 12345 as "
                "X̅I̅I̅CCCXLV."))))
        + tableRow(QCoreApplication::translate("NumeralChoices", "Fractions in twelfths"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "A choice in the window's right-click menu: fractions are written to the "
                "nearest twelfth, 1.5 as IS and 2.25 as II···; the status "
                "line says when that rounds.")))
        + tableRow(QCoreApplication::translate("NumeralChoices", "Strict numerals"),
            helpText(QT_TRANSLATE_NOOP("HelpWindow",
                "A choice in the window's right-click menu, or --strict for one run: a Roman "
                "numeral is read only as the calculator writes it. IC is refused, and the status "
                "line names the standard numerals near it, CI for 101 and XCIX for 99.")))
        + QStringLiteral("</table><p>%1</p>")
              .arg(helpText(QT_TRANSLATE_NOOP("HelpWindow",
                                "The Roman readout shows numbers below %1 in size: a negative "
                                "number in parentheses, (XIV), and zero as a row of dashes."))
                       .arg(numberText(RomanLimit))
                       .toHtmlEscaped());
}

QString surprisesSection()
{
    static constexpr const char *surprises[] = {
        QT_TRANSLATE_NOOP("HelpWindow",
            "Strictly left to right: 2+3*4= gives 20, not 14. Parentheses group anything else: "
            "2+(3*4)= gives 14."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "A closing parenthesis shows its value only at the next key: after ) the readouts "
            "still show the last number typed."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "After = the result on show is what the next operation works on: 2+3= then *4= "
            "gives 20."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "A - at the start, after ( or after an operation is the sign of the number after it: "
            "100+-50= gives 50. After ), = or r it subtracts."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "Dividing by zero keeps the dividend, for that division only: 5/0= gives 5, 0+= "
            "gives 0."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "After an error the readouts show no number; the next number typed starts a new "
            "calculation."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "Pasted lines are calculations of their own, each finished with = unless it ends "
            "with an operation."),
        QT_TRANSLATE_NOOP("HelpWindow",
            "A line with its result written after =, such as XII + IX = XXI, is calculated once "
            "and checked: a wrong result is named on the status line and on the tape."),
    };
    QString html
        = heading(QT_TRANSLATE_NOOP("HelpWindow", "Good to know")) + QStringLiteral("<ul>");
    for (const char *surprise : surprises)
        html += QStringLiteral("<li>%1</li>").arg(helpText(surprise).toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

QString aboutSection()
{
    const QString home = QStringLiteral(ROMAN_HOMEPAGE);
    const QString link = QStringLiteral("<a href='%1'>%1</a>").arg(home.toHtmlEscaped());
    return heading(QT_TRANSLATE_NOOP("HelpWindow", "About"))
        + QStringLiteral("<p>%1 %2<br>%3<br>%4</p>")
              .arg(QCoreApplication::translate("Calvaran", "Roman Numeral Calculator")
                       .toHtmlEscaped(),
                  QStringLiteral(ROMAN_VERSION),
                  helpText(QT_TRANSLATE_NOOP("HelpWindow",
                               "Free software under the MIT licence: use it, share it, "
                               "change it."))
                      .toHtmlEscaped(),
                  helpText(QT_TRANSLATE_NOOP("HelpWindow",
                               "The project lives at %1, with its source and a place to report "
                               "problems."))
                      .toHtmlEscaped()
                      .arg(link));
}

void showHelp(QWidget *window)
{
    auto *help = window->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace

HelpWindow::HelpWindow(QWidget *calculator)
    : QDialog(calculator)
    , text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(helpText(QT_TRANSLATE_NOOP("HelpWindow", "Help")));
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setOpenExternalLinks(true);
    text_->setHtml(
        keysSection(calculator) + numbersSection() + surprisesSection() + aboutSection());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    // Wide enough for the key table's lines, tall enough for most of it; a
    // small screen gets a window it can hold.
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.averageCharWidth() * 100, metrics.lineSpacing() * 36);
    if (const QScreen *screen = calculator->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

QString HelpWindow::text() const
{
    return text_->toPlainText();
}

void offerHelp(QWidget *window)
{
    auto *key = new QShortcut(HelpKey, window);
    QObject::connect(
        key, &QShortcut::activated, window, [window] { guarded([&] { showHelp(window); }); });
    const QString keyName = HelpKey.toString(QKeySequence::NativeText);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->toolTip().isEmpty())
            button->setToolTip(QCoreApplication::translate("HelpWindow", "%1\n%2: help",
                "a button's tooltip: what it does, then the key that opens the help")
                                   .arg(button->toolTip(), keyName));
    }
}

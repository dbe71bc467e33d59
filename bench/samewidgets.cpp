// The floor for the calculator's start-up and memory: a Qt window with the
// calculator's widgets, of the same kinds, in the same places and order, with
// the same texts and fonts, at the same opening scale, and its status line,
// but nothing behind them: no components, no fitting, no icon, no
// translations. What the calculator costs above it is its own work.
//
// The tape is there as a first start shows it: a handle and a list beside the
// design. The list holds the same entries as the calculator's tape, read from
// the same file in the plainest way (a line is "result<TAB>decimal<TAB>Roman";
// the benchmark's entries have no escapes) before the window shows, and drawn
// by Qt's own delegate; an empty one says what it is for, as the tape does.

#include "widgets/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringListModel>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

enum class Kind {
    Plain,
    Frame,
    Label,
    StatusLine,
    Button,
    Readout,
    RomanReadout,
    TypeIn,
    Handle,
    Tape
};

struct Child
{
    int parent; // an index into Children, or -1 for the window
    Kind kind;
    const char *name;
    QRect place; // in pixels at the design's scale
    const char *text;
};

// The calculator's children at its design size, back to front.
const Child Children[] = {
    {-1, Kind::StatusLine, "StatusLine", {8, 166, 289, 27}, ""},
    {-1, Kind::Label, "Label1", {24, 48, 129, 17}, "Normal (Arabic) numerals"},
    {-1, Kind::Label, "Label2", {32, 112, 129, 17}, "Roman Numerals"},
    {-1, Kind::Plain, "ParenBase1", {176, 0, 121, 161}, ""},
    {3, Kind::Frame, "Border", {0, 0, 121, 161}, ""},
    {4, Kind::Button, "Add", {11, 15, 44, 29}, "&+"},
    {4, Kind::Button, "Div", {66, 15, 44, 29}, "&/"},
    {4, Kind::Button, "Mult", {11, 51, 44, 29}, "&*"},
    {4, Kind::Button, "Subt", {66, 51, 44, 29}, "-&--"},
    {4, Kind::Button, "LParen", {11, 88, 44, 29}, "&("},
    {4, Kind::Button, "RParen", {66, 88, 44, 29}, "&)"},
    {4, Kind::Button, "Equals", {11, 125, 44, 29}, "&="},
    {4, Kind::Button, "Clear", {66, 125, 44, 29}, "Clea&r"},
    {-1, Kind::Plain, "ArabDisplay1", {8, 0, 169, 49}, ""},
    {13, Kind::Frame, "Border", {0, 0, 169, 49}, ""},
    {14, Kind::Readout, "ArabVal", {8, 14, 150, 28}, "0"},
    {-1, Kind::Plain, "RomanDisplay1", {8, 64, 169, 49}, ""},
    {16, Kind::Frame, "Border", {0, 0, 169, 49}, ""},
    {16, Kind::RomanReadout, "RomanValue", {8, 14, 150, 28}, " - - - - - -"},
    {-1, Kind::Plain, "TypeInPad1", {8, 128, 169, 33}, ""},
    {19, Kind::Frame, "Frame1", {0, 0, 169, 33}, ""},
    {20, Kind::TypeIn, "Text1", {8, 9, 100, 19}, ""},
    {20, Kind::Button, "Command1", {117, 9, 42, 19}, "Copy"},
    {-1, Kind::Plain, "Stack1", {136, 120, 33, 9}, ""},
    {23, Kind::Frame, "outline", {0, 0, 33, 9}, ""},
    {-1, Kind::Handle, "TapeSplitter", {298, 0, 6, 193}, ""},
    {-1, Kind::Tape, "Tape", {305, 0, 184, 193}, ""},
};
// The design's size with the tape beside it.
constexpr QSize Design(494, 196);

// The handle drawn as a splitter's.
class Handle : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
    }
};

// A list that says what it is for while it is empty.
class TapeList : public QListView
{
public:
    using QListView::QListView;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QListView::paintEvent(event);
        if (model()->rowCount() > 0)
            return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(6, 6, -6, -6),
            Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("Every calculation that ends with = is kept here, in both numeral "
                           "forms. F9 hides the tape."));
    }
};

// The newest entries of the calculator's tape file, each as its two lines.
QStringList savedEntries()
{
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/roman-calculator/tape.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList entries;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() == 3)
            entries << QString::fromUtf8(fields[1]) + u'\n' + QString::fromUtf8(fields[2]);
    }
    return entries.mid(std::max<qsizetype>(0, entries.size() - 1000));
}

QWidget *make(const Child &child, QWidget *parent, qreal scale)
{
    const QString text = QString::fromUtf8(child.text);
    QWidget *widget = nullptr;
    switch (child.kind) {
    case Kind::Plain:
        widget = new QWidget(parent);
        break;
    case Kind::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        widget = frame;
        break;
    }
    case Kind::Label:
    case Kind::StatusLine: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(child.kind == Kind::StatusLine);
        widget = label;
        break;
    }
    case Kind::Button: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        widget = button;
        break;
    }
    case Kind::Readout:
    case Kind::RomanReadout:
    case Kind::TypeIn: {
        auto *box = new QLineEdit(parent);
        if (child.kind != Kind::TypeIn) {
            box->setReadOnly(true);
            box->setAlignment(Qt::AlignCenter);
        }
        if (child.kind == Kind::RomanReadout) {
            box->setFrame(false);
            box->setFont(designFont(QStringLiteral("MS Serif"), 9.75 * scale));
        }
        box->setText(text);
        widget = box;
        break;
    }
    case Kind::Handle:
        widget = new Handle(parent);
        break;
    case Kind::Tape: {
        auto *list = new TapeList(parent);
        list->setAccessibleName(QStringLiteral("Tape"));
        list->setModel(new QStringListModel(savedEntries(), list));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformItemSizes(true);
        list->setTextElideMode(Qt::ElideMiddle);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setAlternatingRowColors(true);
        widget = list;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(child.name));
    const QRect place = child.place;
    const auto scaled = [scale](int pixels) { return int(std::lround(pixels * scale)); };
    widget->setGeometry(
        scaled(place.x()), scaled(place.y()), scaled(place.width()), scaled(place.height()));
    return widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Roman Numeral Calculator"));
    // Opens at the desktop's font size, as the calculator does.
    const QFont desktop = QApplication::font();
    const qreal points
        = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
    const qreal scale = std::max<qreal>(1, points / 8.25);
    window.setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25 * scale));
    window.setMinimumSize(
        QSize(int(std::lround(Design.width() * scale)), int(std::lround(Design.height() * scale))));
    window.resize(window.minimumSize());

    std::vector<QWidget *> made;
    for (const Child &child : Children)
        made.push_back(
            make(child, child.parent < 0 ? &window : made[std::size_t(child.parent)], scale));
    const auto named = [&made](const char *name) {
        return *std::find_if(made.begin(), made.end(),
            [name](const QWidget *widget) { return widget->objectName() == QLatin1String(name); });
    };
    QWidget *outline = named("outline");
    QPalette palette = outline->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 255));
    outline->setPalette(palette);
    outline->setAutoFillBackground(true);
    named("Text1")->setFocus();
    static_cast<QListView *>(named("Tape"))->scrollToBottom();

    window.show();
    return QApplication::exec();
}

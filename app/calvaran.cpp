#include "app/calvaran.h"

#include "app/appicon.h"
#include "app/helpwindow.h"
#include "app/statustext.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "core/errors.h"
#include "core/romannumeral.h"
#include "core/textservices.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "widgets/accesskeys.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/propertybag.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

// The design's client area, and below it the status line, which the design
// did not have.
constexpr int DesignWidth = 4530;
constexpr int DesignHeight = 2940;
constexpr QRect StatusPlace(120, 2490, 4335, 405);

constexpr qreal DesignPoints = 8.25;
constexpr int StackDepth = 10;

QSize designPixels(qreal factor)
{
    return {int(std::lround(twipsToPixels(DesignWidth) * factor)),
        int(std::lround(twipsToPixels(DesignHeight) * factor))};
}

int scaled(int twips, qreal factor)
{
    return int(std::lround(twips * factor));
}

// What a screen reader calls the status line while it says nothing.
QString statusName()
{
    return QCoreApplication::translate("Calvaran", "Status line");
}

} // namespace

Calvaran::Calvaran(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Calvaran"));
    setWindowTitle(QCoreApplication::translate("Calvaran", "Roman Numeral Calculator"));
    setWindowIcon(calculatorIcon());

    // The person's font size, read before the design font takes over: a
    // larger one opens the whole design larger, so that no caption is
    // smaller than asked for.
    const QFont desktop = QApplication::font();
    const qreal points
        = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
    openingScale_ = std::max<qreal>(1, points / DesignPoints);
    setFont(designFont(QStringLiteral("MS Sans Serif"), DesignPoints));

    // Siblings created later lie in front, so the children are made from the
    // back to the front.
    statusLine_ = makeLabel(this, QStringLiteral("StatusLine"), {});
    statusLine_->setWordWrap(true);
    statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    statusLine_->setAccessibleName(statusName());
    label1_ = makeLabel(this, QStringLiteral("Label1"),
        QCoreApplication::translate("Calvaran", "Normal (Arabic) numerals"));
    label2_ = makeLabel(
        this, QStringLiteral("Label2"), QCoreApplication::translate("Calvaran", "Roman Numerals"));
    parenBase1_ = new ParenBase(this);
    parenBase1_->setObjectName(QStringLiteral("ParenBase1"));
    parenBase1_->readProperties(PropertyBag());
    arabDisplay1_ = new ArabDisplay(this);
    arabDisplay1_->setObjectName(QStringLiteral("ArabDisplay1"));
    romanDisplay1_ = new RomanDisplay(this);
    romanDisplay1_->setObjectName(QStringLiteral("RomanDisplay1"));
    typeInPad1_ = new TypeInPad(this);
    typeInPad1_->setObjectName(QStringLiteral("TypeInPad1"));
    // Ready to type as soon as the window opens; the tab order stays as designed.
    typeInPad1_->setFocus();
    stack1_ = new Stack(this);
    stack1_->setObjectName(QStringLiteral("Stack1"));

    designPlaces_ = {
        {stack1_, {2040, 1800, 495, 135}},
        {typeInPad1_, {120, 1920, 2535, 495}},
        {romanDisplay1_, {120, 960, 2535, 735}},
        {arabDisplay1_, {120, 0, 2535, 735}},
        {parenBase1_, {2640, 0, 1815, 2415}},
        {label2_, {480, 1680, 1935, 255}},
        {label1_, {360, 720, 1935, 255}},
        {statusLine_, StatusPlace},
    };
    setMinimumSize(designPixels(openingScale_));
    resize(minimumSize());
    placeDesign(openingScale_);

    QList<QWidget *> order;
    for (const UserControl *component : {static_cast<UserControl *>(parenBase1_),
             static_cast<UserControl *>(arabDisplay1_), static_cast<UserControl *>(romanDisplay1_),
             static_cast<UserControl *>(typeInPad1_), static_cast<UserControl *>(stack1_)})
        order += component->tabOrder();
    chainTabOrder(order);
    underlineAccessKeysWhileAlt(this);
    offerHelp(this);

    parenBase1_->change.connect([this] { parenBaseChanged(); });
    parenBase1_->push.connect([this] { parenBasePushed(); });
    parenBase1_->pop.connect([this] { parenBasePopped(); });
    typeInPad1_->change.connect([this] { typeInPadChanged(); });
    typeInPad1_->unread.connect([this] { typeInPadUnread(); });
    typeInPad1_->copied.connect(
        [this] { showStatus(statustext::copied(typeInPad1_->copiedText())); });
}

void Calvaran::parenBaseChanged()
{
    curVal_ = parenBase1_->acc();
    arabDisplay1_->setValue(curVal_);
    romanDisplay1_->setValue(curVal_);
    typeInPad1_->setValue(0);
    offerResult();
    showStatus();
}

void Calvaran::parenBasePushed()
{
    // The stack takes the code first: the write of the value pushes both.
    stack1_->setItos(parenBase1_->pend());
    stack1_->setTos(parenBase1_->acc());
    parenBase1_->setPend(0);
    parenBase1_->setAcc(0);
    outermostDropped_ = openParentheses_ == StackDepth;
    openParentheses_ = std::min(openParentheses_ + 1, StackDepth);
    showStatus();
}

void Calvaran::parenBasePopped()
{
    // The code is read before the value, whose read pops both.
    parenBase1_->setValue(parenBase1_->acc());
    parenBase1_->setPend(stack1_->itos());
    parenBase1_->setAcc(stack1_->tos());
    typeInPad1_->setValue(0);
    openParentheses_ = std::max(openParentheses_ - 1, 0);
    outermostDropped_ = false;
    showStatus();
}

void Calvaran::typeInPadChanged()
{
    curKey_ = typeInPad1_->conKey();
    parenBase1_->setTypeIn(curKey_);
    if (!curKey_.isEmpty())
        return;
    curVal_ = typeInPad1_->value();
    parenBase1_->setValue(curVal_);
    arabDisplay1_->setValue(curVal_);
    romanDisplay1_->setValue(curVal_);
    offerResult();
    showStatus(statustext::romanHint(typeInPad1_->text(), curVal_));
}

void Calvaran::typeInPadUnread()
{
    typeInPad1_->setProblem(statustext::unreadable(typeInPad1_->text(), typeInPad1_->conKey()));
    showStatus();
}

void Calvaran::clearAll()
{
    // Ten pushes of a fresh calculation's state fill every level of the
    // stack with it, which is as empty as a stack without a depth can be.
    stack1_->setItos(0);
    for (int level = 0; level < StackDepth; ++level)
        stack1_->setTos(0);
    openParentheses_ = 0;
    outermostDropped_ = false;
    // As Clear does; its result also empties the type-in box.
    parenBase1_->setTypeIn(QStringLiteral("r"));
}

void Calvaran::offerResult()
{
    // The Roman numeral when the readout shows one, else the decimal text.
    const double shown = romanDisplay1_->value();
    const bool numeral = std::abs(shown) > 0.5 && std::abs(shown) < 9000;
    typeInPad1_->setResultText(numeral ? romanDisplay1_->display() : numberText(curVal_));
}

void Calvaran::showStatus(const QString &message)
{
    // Most important first: an entry that cannot be read, then what this
    // step did, then the calculation in progress.
    QString text = typeInPad1_->problem();
    if (text.isEmpty())
        text = message;
    if (text.isEmpty())
        text = statustext::progress(
            parenBase1_->acc(), parenBase1_->pend(), openParentheses_, outermostDropped_);
    if (text == statusLine_->text())
        return;
    statusLine_->setText(text);
    // A screen reader hears the new text through the name.
    statusLine_->setAccessibleName(text.isEmpty() ? statusName() : text);
    TextFit::of(statusLine_)->refit();
}

void Calvaran::placeDesign(qreal factor)
{
    scale_ = factor;
    // Centred in the window when its shape differs from the design's.
    const int left = std::max(0, (width() * TwipsPerPixel - scaled(DesignWidth, factor)) / 2);
    const int top = std::max(0, (height() * TwipsPerPixel - scaled(DesignHeight, factor)) / 2);
    for (const auto &[widget, place] : designPlaces_)
        moveTwips(widget, left + scaled(place.left(), factor), top + scaled(place.top(), factor),
            scaled(place.width(), factor), scaled(place.height(), factor));
    for (TextFit *fit : findChildren<TextFit *>())
        fit->setScale(factor);
}

void Calvaran::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize design = designPixels(1);
    const qreal factor = std::max(openingScale_,
        std::min(qreal(width()) / design.width(), qreal(height()) / design.height()));
    guarded([&] { placeDesign(factor); });
}

void Calvaran::keyPressEvent(QKeyEvent *event)
{
    // Escape reaches the window from whichever widget has the focus.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        guarded([this] { clearAll(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "app/window/calvaran.h"

#include "app/help/helpwindow.h"
#include "app/settingkeys.h"
#include "app/settings.h"
#include "app/tape/tapepanel.h"
#include "app/tape/tapesplitter.h"
#include "app/window/appicon.h"
#include "app/window/design.h"
#include "app/window/numeralchoices.h"
#include "app/window/pasterun.h"
#include "app/window/statusline.h"
#include "calc/parenbase.h"
#include "calc/stack.h"
#include "core/calculator.h"
#include "core/errors.h"
#include "core/statustext.h"
#include "core/tape.h"
#include "numerals/arabdisplay.h"
#include "numerals/romandisplay.h"
#include "numerals/typeinpad.h"
#include "widgets/accesskeys.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/propertybag.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"
#include "widgets/typingkeys.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include <algorithm>
#include <cmath>

using namespace design;

Calvaran::Calvaran(const QString &tapeFolder, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Calvaran"));
    setWindowTitle(QCoreApplication::translate("Calvaran", "Roman Numeral Calculator"));
    setWindowIcon(calculatorIcon());
    // Captions, keys and numerals read left to right whatever the layout
    // direction. Qt lays out text such as "(" in the application's direction,
    // not the widget's, so with -reverse or a right-to-left language the "("
    // button would show ")" and a negative numeral read ")XIV(".
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);

    openAtDesktopFontSize();
    makeComponents(tapeFolder);
    placeComponents();
    connectCalculation();
    connectTape();
    makeMenu();
    showTape(setting(TapeShownKey, true).toBool());
}

void Calvaran::openAtDesktopFontSize()
{
    // The person's font size, read before the design font takes over: a
    // larger one opens the whole design larger, so that no caption is
    // smaller than asked for.
    const QFont desktop = QApplication::font();
    const qreal points
        = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
    openingScale_ = std::max<qreal>(1, points / DesignPoints);
    // Made at that size from the start, so that no text is first laid out
    // in a font the window will not show.
    setFont(designFont(QStringLiteral("MS Sans Serif"), DesignPoints * openingScale_));
    TextFit::setOpeningScale(this, openingScale_);
}

void Calvaran::makeComponents(const QString &tapeFolder)
{
    // Siblings created later lie in front, so the children are made from the
    // back to the front.
    statusLine_ = std::make_unique<StatusLine>(this);
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
    tapeSplitter_ = new TapeSplitter(this);
    tapeSplitter_->hide();
    tapePanel_ = new TapePanel(tapeFolder, this);
    tapePanel_->hide();
    tapeWidth_
        = std::clamp(setting(TapeWidthKey, TapePlace.width()).toInt(), NarrowestTape, WidestTape);
}

void Calvaran::placeComponents()
{
    designPlaces_ = {
        {stack1_, {2040, 1800, 495, 135}},
        {typeInPad1_, {120, 1920, 2535, 495}},
        {romanDisplay1_, {120, 960, 2535, 735}},
        {arabDisplay1_, {120, 0, 2535, 735}},
        {parenBase1_, {2640, 0, 1815, 2415}},
        {label2_, {480, 1680, 1935, 255}},
        {label1_, {360, 720, 1935, 255}},
        {statusLine_->label(), StatusPlace},
        {tapeSplitter_, TapeHandlePlace},
        {tapePanel_, TapePlace.adjusted(0, 0, tapeWidth_ - TapePlace.width(), 0)},
    };
    setMinimumSize(designPixels(contentWidth(), openingScale_));
    resize(minimumSize());
    placeDesign(openingScale_);

    QList<QWidget *> order;
    for (const UserControl *component : {static_cast<UserControl *>(parenBase1_),
             static_cast<UserControl *>(arabDisplay1_), static_cast<UserControl *>(romanDisplay1_),
             static_cast<UserControl *>(typeInPad1_), static_cast<UserControl *>(stack1_)})
        order += component->tabOrder();
    chainTabOrder(order << tapePanel_);
    underlineAccessKeysWhileAlt(this);
    offerHelp(this);
}

void Calvaran::connectCalculation()
{
    calculator_ = std::make_unique<Calculator>(parenBase1_->engine(), stack1_->shiftStack());
    calculation_ = &calculator_->calculation();
    parenBase1_->clicked = [this](PadAction action) { calculation_->act(action); };
    calculation_->show = [this](double value) { display([this, value] { showValue(value); }); };
    calculation_->showFailure = [this] { display([this] { showFailure(); }); };
    calculation_->emptyEntry = [this] {
        if (batching_)
            pendingEmpty_ = true;
        else
            typeInPad1_->setValue(0);
    };
    typeInPad1_->signMayStand = [this] { return calculation_->signMayFollow(); };
    // A click on the keypad reaches the calculation through the engine's
    // events; the status line follows every action.
    for (Event *event : {&parenBase1_->change, &parenBase1_->push, &parenBase1_->pop})
        event->connect([this] { showStatus(); });
    typeInPad1_->change.connect([this] { typeInPadChanged(); });
    typeInPad1_->unread.connect([this] { typeInPadUnread(); });
    typeInPad1_->edited.connect([this] {
        calculation_->forgetEntry();
        showStatus();
    });
    typeInPad1_->pasted.connect([this](const QString &text) { typeInPadPasted(text); });
    typeInPad1_->copied.connect(
        [this] { showStatus(statustext::copied(typeInPad1_->copiedText())); });
    auto *quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void Calvaran::makeMenu()
{
    numeralChoices_ = new NumeralChoices(this);
    numeralChoices_->changed.connect([this] { writeNumeralsAgain(); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.setToolTipsVisible(true);
        menu.addAction(tapeToggle_);
        menu.addSeparator();
        menu.addAction(numeralChoices_->largeNumbers());
        menu.addAction(numeralChoices_->fractions());
        menu.addAction(numeralChoices_->strict());
        menu.exec(mapToGlobal(at));
    });
}

Calvaran::~Calvaran()
{
    tellSettingsNews({});
}

void Calvaran::makeRoom(const std::function<void()> &change)
{
    const QSize before = designPixels(contentWidth(), scale_);
    change();
    const QSize room = size() + designPixels(contentWidth(), scale_) - before;
    setMinimumSize(designPixels(contentWidth(), openingScale_));
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(room);
    // The design moves over even when neither the window nor the factor changed.
    placedSize_ = {};
    placeDesign(fittingScale());
}

int Calvaran::contentWidth() const
{
    return tapeShown_ ? WidthWithTape + tapeWidth_ - TapePlace.width() : DesignWidth;
}

void Calvaran::clearAll()
{
    calculation_->clearAll();
    typeInPad1_->setValue(0);
    statusLine_->clearError();
    showStatus();
}

void Calvaran::showError(const RuntimeError &error)
{
    // A failed result leaves the entry that led to it behind; the next
    // number starts afresh.
    if (dynamic_cast<const ArithmeticError *>(&error)) {
        typeInPad1_->setValue(0);
        calculation_->forgetEntry();
    }
    statusLine_->setError(error.text());
    showStatus();
}

void Calvaran::display(const std::function<void()> &show)
{
    if (batching_ && !std::exchange(showNext_, false)) {
        pendingShow_ = show;
        return;
    }
    pendingShow_ = {};
    show();
}

void Calvaran::showSteps(bool one)
{
    batching_ = !one;
    statusLine_->hold(!one);
    if (const std::function<void()> show = std::exchange(pendingShow_, {}))
        show();
    if (std::exchange(pendingEmpty_, false))
        typeInPad1_->setValue(0);
}

void Calvaran::showStatus(const QString &message)
{
    statusLine_->say(*calculation_, typeInPad1_->problem(), message, romanDisplay1_->value());
    // The strip follows every step the status line follows.
    if (calculation_->openParentheses() != stack1_->shownOpen()
        || calculation_->openParentheses() > 0)
        stack1_->showOpen(calculation_->openParentheses());
}

void Calvaran::placeDesign(qreal factor)
{
    // Showing the window resizes it to the size it was made at.
    if (factor == scale_ && size() == placedSize_)
        return;
    scale_ = factor;
    const QList<TextFit *> fits = findChildren<TextFit *>();
    for (TextFit *fit : fits)
        fit->setScale(factor);
    // Centred in the window when its shape differs from the design's; the
    // tape and its handle keep to the right edge, so that the handle can be
    // dragged to the right with the tape's edge staying.
    const int extra = std::max(0, width() * TwipsPerPixel - scaled(contentWidth(), factor));
    const int top = std::max(0, (height() * TwipsPerPixel - scaled(DesignHeight, factor)) / 2);
    for (const auto &[widget, place] : designPlaces_) {
        const bool right = widget == tapePanel_ || widget == tapeSplitter_;
        moveTwips(widget, (right ? extra : extra / 2) + scaled(place.left(), factor),
            top + scaled(place.top(), factor), scaled(place.width(), factor),
            scaled(place.height(), factor));
    }
    // Each text is measured once in its new place: those that a move
    // resized have fitted already.
    for (TextFit *fit : fits)
        fit->refit();
    tapePanel_->setPointSize(DesignPoints * factor);
    placedSize_ = size();
}

qreal Calvaran::fittingScale() const
{
    const QSize design = designPixels(contentWidth(), 1);
    return std::clamp(std::min(qreal(width()) / design.width(), qreal(height()) / design.height()),
        openingScale_, std::max(openingScale_, MaxScale));
}

void Calvaran::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    guarded([&] { placeDesign(fittingScale()); });
}

void Calvaran::keyPressEvent(QKeyEvent *event)
{
    // Escape reaches the window from whichever widget has the focus, and
    // takes the keyboard back to the type-in box, where a fresh start begins.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        typeInPad1_->setFocus();
        guarded([this] { clearAll(); });
        return;
    }
    // A character that reaches the window was passed over where the keyboard
    // was, in a readout or on a keypad button: it is the calculation's.
    if (writesText(*event) && !typeInPad1_->isAncestorOf(focusWidget()))
        return typeIntoBox(event);
    QWidget::keyPressEvent(event);
}

bool Calvaran::eventFilter(QObject *watched, QEvent *event)
{
    // Left unaccepted, the key goes on to the window's shortcut.
    const auto *box = qobject_cast<QLineEdit *>(watched);
    return box && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo) && !box->isUndoAvailable();
}

void Calvaran::typeIntoBox(QKeyEvent *key)
{
    typeInPad1_->setFocus();
    QCoreApplication::sendEvent(focusWidget(), key);
}

// The tape beside the design: its connections to the window, shown or
// hidden, and its handle dragged; the half of Calvaran that the tape needs.

#include "app/window/calvaran.h"

#include "app/settingkeys.h"
#include "app/settings.h"
#include "app/tape/tapepanel.h"
#include "app/tape/tapesplitter.h"
#include "app/window/design.h"
#include "core/calculator.h"
#include "core/errors.h"
#include "numerals/typeinpad.h"

#include <QAction>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using namespace design;

void Calvaran::connectTape()
{
    calculator_->tape().written.connect([this](const TapeEntry &entry) {
        tapePanel_->add(entry);
        // The result the entry names is shown next, in a paste too.
        showNext_ = true;
    });
    tapePanel_->said.connect([this](const QString &message) { showStatus(message); });
    tellSettingsNews([this](const QString &message) { showStatus(message); });
    tapePanel_->reused.connect([this](const QString &text) {
        typeInPad1_->enterText(text);
        typeInPad1_->setFocus();
    });
    tapePanel_->typed.connect([this](QKeyEvent *key) { typeIntoBox(key); });
    tapeSplitter_->pressed.connect([this] {
        tapeWidthAtPress_ = tapeWidth_;
        widthAtPress_ = width();
    });
    tapeSplitter_->dragged.connect([this](int pixels) { dragTape(pixels); });
    tapeSplitter_->released.connect([this] { keepSetting(TapeWidthKey, tapeWidth_); });
    tapeToggle_ = tapePanel_->showAction();
    connect(tapeToggle_, &QAction::triggered, this, [this](bool shown) {
        guarded([&] { showTape(shown); });
        keepSetting(TapeShownKey, shown);
    });
    addAction(tapeToggle_);
    // Ctrl+Z and Ctrl+P reach the tape from anywhere in the window, shown or
    // not; in the type-in box Ctrl+Z undoes typing first, while there is any.
    addAction(tapePanel_->undoAction());
    addAction(tapePanel_->printAction());
    if (auto *box = typeInPad1_->findChild<QLineEdit *>(QStringLiteral("Text1")))
        box->installEventFilter(this);
}

void Calvaran::showTape(bool shown)
{
    makeRoom([&] {
        tapeShown_ = shown;
        tapeToggle_->setChecked(shown);
        tapePanel_->setVisible(shown);
        tapeSplitter_->setVisible(shown);
        if (shown)
            tapePanel_->scrollToBottom();
        if (!shown && tapePanel_->hasFocus())
            typeInPad1_->setFocus();
    });
}

void Calvaran::dragTape(int growth)
{
    // The handle follows the pointer: the tape's right edge stays with the
    // window's, and the design keeps its factor. Where the design leaves no
    // room the tape still widens, and the window grows at its right edge;
    // past the narrowest tape the window does so too, so that the handle
    // follows on.
    const int wanted = tapeWidthAtPress_ + int(std::lround(growth * TwipsPerPixel / scale_));
    tapeWidth_ = std::clamp(wanted, NarrowestTape, WidestTape);
    std::ranges::find(designPlaces_, tapePanel_, &std::pair<QWidget *, QRect>::first)
        ->second.setWidth(tapeWidth_);
    const int beyond
        = std::max(0, int(std::lround((tapeWidth_ - wanted) * scale_ / TwipsPerPixel)));
    setMinimumSize(designPixels(contentWidth(), openingScale_));
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(std::max(designPixels(contentWidth(), scale_).width(), widthAtPress_ + beyond),
            height());
    placedSize_ = {};
    placeDesign(scale_);
}

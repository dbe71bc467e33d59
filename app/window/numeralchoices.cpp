#include "app/window/numeralchoices.h"

#include "app/settingkeys.h"
#include "app/settings.h"
#include "core/errors.h"
#include "core/romannumeral.h"

#include <QAction>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QWidget>

NumeralChoices::NumeralChoices(QWidget *window)
    : QObject(window)
    , largeNumbers_(
          makeChoice("LargeNumbers", QT_TRANSLATE_NOOP("NumeralChoices", "Large numbers with bars"),
              QT_TRANSLATE_NOOP("NumeralChoices",
                  "Numbers from %1 to %2 with a bar over the thousands: 12345 is "
                  "X̅I̅I̅CCCXLV"),
              LargeNumbersKey))
    , fractions_(makeChoice("Fractions",
          QT_TRANSLATE_NOOP("NumeralChoices", "Fractions in twelfths"),
          QT_TRANSLATE_NOOP("NumeralChoices",
              "Fractions to the nearest twelfth, S for a half and a dot for each twelfth: 2.25 is "
              "II···"),
          FractionsKey))
    , strict_(makeChoice("StrictNumerals", QT_TRANSLATE_NOOP("NumeralChoices", "Strict numerals"),
          QT_TRANSLATE_NOOP("NumeralChoices",
              "Roman numerals are read only as the calculator writes them: IC is refused, with "
              "CI for 101 and XCIX for 99"),
          StrictKey))
{
    largeNumbers_->setToolTip(withVinculumRange(largeNumbers_->toolTip()));
    for (QAction *action : {largeNumbers_, fractions_, strict_})
        window->addAction(action);
    apply();
}

QAction *NumeralChoices::makeChoice(
    const char *name, const char *text, const char *tip, const QString &key)
{
    auto *action = new QAction(QCoreApplication::translate("NumeralChoices", text), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QCoreApplication::translate("NumeralChoices", tip));
    action->setCheckable(true);
    action->setChecked(setting(key, false).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) {
        keepSetting(key, on);
        guarded([this] { apply(); });
    });
    return action;
}

void NumeralChoices::addForThisRun(RomanForms forms)
{
    // Checked for the person to see, without saving a choice they did not make.
    for (const auto &[action, on] : {std::pair {largeNumbers_, forms.vinculum},
             {fractions_, forms.twelfths}, {strict_, forms.strict}}) {
        const QSignalBlocker quiet(action);
        action->setChecked(action->isChecked() || on);
    }
    apply();
}

void NumeralChoices::apply()
{
    const RomanForms forms {
        largeNumbers_->isChecked(), fractions_->isChecked(), strict_->isChecked()};
    if (forms == romanForms())
        return;
    setRomanForms(forms);
    changed.raise();
}

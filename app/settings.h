#pragma once

#include <QString>
#include <QVariant>

// The person's choices, in roman-calculator/roman-calculator.conf in their
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). A file there that
// cannot be read, or that is not a file at all, is set aside as
// roman-calculator-unreadable.conf (or -2, -3…) and never written over: the
// choices start afresh.
QVariant setting(const QString &key, const QVariant &fallback = {});
// Kept for the next run, unless the file cannot be written without waiting.
void keepSetting(const QString &key, const QVariant &value);

#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// The person's choices, in roman-calculator/roman-calculator.conf in their
// configuration folder ($XDG_CONFIG_HOME, else ~/.config), in the text format
// QSettings writes. The file is read once, at the first question; one that is
// not such a text (damaged, binary, far too long), or not a file at all, is
// set aside as roman-calculator-unreadable.conf (or -2, -3…) and never
// written over: the choices start afresh.
//
// Nothing waits for the file: a choice is kept in memory at once, and written
// when the file's lock (the one QSettings takes) can be had at once; until
// then it is tried again now and then, and at the end by saveSettings().
QVariant setting(const QString &key, const QVariant &fallback = {});
void keepSetting(const QString &key, const QVariant &value);

// Writes the choices still waiting, waiting for the lock at most lockWait
// milliseconds; false when some still wait.
bool saveSettings(int lockWait);

// Who hears, once, that the choices could not be saved (the window's status
// line); none to hear nothing.
void tellSettingsNews(std::function<void(const QString &)> teller);

// Reads the file again at the next question, as a new run would.
void forgetSettings();

#pragma once

class QKeyEvent;

// A key that writes a character: printable, without Ctrl, Alt or Meta. It is
// no shortcut on any platform, and wherever the keyboard is, it is meant for
// the calculation.
bool writesText(const QKeyEvent &key);

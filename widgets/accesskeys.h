#pragma once

class QWidget;

// Underlines the access keys of the window's buttons only while Alt is held,
// as desktops do today: a one-character caption such as "+" or "=" underlined
// all the time reads as another sign. The keys work either way.
void underlineAccessKeysWhileAlt(QWidget *window);

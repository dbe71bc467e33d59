#pragma once

#include <QFont>
#include <QString>

// A font by the name the window was designed with. Where the machine lacks
// it, Qt falls back to a metrically close face of the same kind, so that
// captions still fit the places designed for them.
QFont designFont(const QString &family, qreal points);

// The font of a text box that holds numerals. Latin letters, digits and signs
// need no OpenType shaping, which is most of what laying out a short text
// costs, and a readout lays its text out at every keystroke; scripts that do
// need shaping (a pasted Arabic word) are still shaped.
QFont numeralFont(QFont font);

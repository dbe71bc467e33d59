#pragma once

#include <QRect>

class QWidget;

// Geometry is kept in twips (1/1440 inch); 15 twips make one logical pixel and
// Qt's high-DPI scaling takes it from there.
inline constexpr int TwipsPerPixel = 15;

int twipsToPixels(int twips);

// Moves a widget in one call, in twips relative to its parent, and records the
// twips rectangle so that it can be read back exactly (pixels lose precision).
// A UserControl receives the size as its inner size and lays itself out.
void moveTwips(QWidget *widget, int left, int top, int width, int height);

// The rectangle last given to moveTwips, or the pixel geometry in twips for a
// widget that was never moved that way.
QRect twipsGeometry(const QWidget *widget);

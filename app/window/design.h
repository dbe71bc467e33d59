#pragma once

#include "widgets/twips.h"

#include <QRect>
#include <QSize>

#include <cmath>

// The window's geometry, shared by the files of Calvaran.
namespace design {

// The design is the window's layout as first drawn, in twips: the client
// area and each component's place in it (designPlaces_ below), which the
// window scales by one factor. Below it the status line, which the design
// did not have.
inline constexpr int DesignWidth = 4530;
inline constexpr int DesignHeight = 2940;
inline constexpr QRect StatusPlace(120, 2490, 4335, 405);
// The tape, when shown, is a column to the right of the design, as wide as
// the person drags its handle: from a few short numbers to a long calculation.
inline constexpr QRect TapePlace(4575, 0, 2760, 2895);
inline constexpr QRect TapeHandlePlace(4470, 0, 90, 2895);
inline constexpr int WidthWithTape = 7410;
inline constexpr int NarrowestTape = 1200;
inline constexpr int WidestTape = 15000;

inline constexpr qreal DesignPoints = 8.25;
// The largest factor the design grows to; a larger window centres it. Fonts
// and text boxes beyond it would only cost time and memory at each
// calculation, and at 36450.0 / 2535 the readouts' text boxes, 90 units of a
// hundredth of their width, would outgrow their layout's 16-bit twips.
inline constexpr qreal MaxScale = 8;

inline QSize designPixels(int width, qreal factor)
{
    return {int(std::lround(twipsToPixels(width) * factor)),
        int(std::lround(twipsToPixels(DesignHeight) * factor))};
}

inline int scaled(int twips, qreal factor)
{
    return int(std::lround(twips * factor));
}

} // namespace design

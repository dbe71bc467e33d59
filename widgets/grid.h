#pragma once

#include <cstdint>

class QWidget;

// The components lay out their children on a grid of whole twips: the inner
// size divided into a number of columns and rows, each unit rounded to a
// 16-bit integer with ties to even.
struct GridUnits
{
    std::int16_t horizontal = 0;
    std::int16_t vertical = 0;
};

// Rounds height / rows first, then width / columns; throws OverflowError when a
// unit leaves 16 bits.
GridUnits gridUnits(float width, float height, int columns, int rows);

// Moves a widget to (left, top, width, height) grid units. The twips products
// are 16-bit and checked (height, width, top, left); an overflow throws before
// the widget moves, so a layout that fails keeps the moves it already made.
void moveOnGrid(QWidget *widget, GridUnits units, int left, int top, int width, int height);

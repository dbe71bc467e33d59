#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTextLayout>

class QPainter;

// The vinculum as the calculator draws it. The text keeps its combining
// overlines (U+0305), so that copies and files are what they were; but
// fonts draw that mark letter by letter, broken between letters, and many
// on the letter itself, so that L̅ looks like "[". Here the letters are drawn
// without their marks, and one unbroken bar goes over each run of barred
// letters, clear of their tops, in the text's colour, at any size and in any
// font. A mark has no width, so every other letter stays where the text's
// own layout puts it, for the cursor and the selection.

// Whether the text has a barred letter.
bool hasVinculum(const QString &text);

// Draws the first line of a layout at origin as QTextLayout::draw() does,
// with the selections, the vinculum drawn as above.
void drawWithVinculum(QPainter &painter, const QTextLayout &layout, QPointF origin,
    const QList<QTextLayout::FormatRange> &selections = {});

// Draws a line of text at the left of the rectangle, centred in its height,
// as QPainter::drawText() does, the vinculum drawn as above.
void drawBarredLine(QPainter &painter, const QRect &rect, const QString &text);

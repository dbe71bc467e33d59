#pragma once

#include <QLineEdit>

// A line edit that draws the vinculum as one bar over each run of barred
// letters (widgets/vinculum.h) where Qt would leave each letter's mark to
// the font. Only the drawing of such a text is its own; the text, its
// selection, keys, menu and accessibility are the line edit's.
class BarredLineEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent *event) override;
};

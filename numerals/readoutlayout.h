#pragma once

class QWidget;
class UserControl;

// Both readouts share one layout: the frame fills the component and the text
// box takes 90 % of the width and the band from 2/7 to 6/7 of the height.
// Throws OverflowError past the 16-bit bounds; once the units themselves fit,
// that happens after the frame has moved.
void layoutReadout(const UserControl &readout, QWidget *frame, QWidget *textBox);

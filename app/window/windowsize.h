#pragma once

class QWidget;

// Opens the window at the size it had when it last closed, in the person's
// settings, and keeps the size it closes at for the next run. The size never
// goes below the window's minimum, which follows the desktop's font, nor
// beyond the screen; a settings file that cannot be read is set aside and
// the window opens at its own size.
void rememberWindowSize(QWidget *window);

#pragma once

#include "core/romannumeral.h"

#include <optional>

// Answers whatever the command line asks that needs no window: the help, the
// version, a calculation with --eval, and a refusal of an option it does not
// know or of a missing value, with status 2. Qt's own window-system options
// (-platform, -reverse, -style and the like) are let pass to the window.
// Returns the exit status when the program is done, nothing when the window
// is to open.
std::optional<int> answerWithoutWindow(int argc, char *argv[]);

// Whether the window keeps its tape in memory only (--no-history).
bool tapeInMemoryOnly(int argc, char *argv[]);

// The numeral forms asked for this run (--vinculum, --twelfths, --strict), which the
// window adds to the person's saved choices without saving them.
RomanForms askedRomanForms(int argc, char *argv[]);

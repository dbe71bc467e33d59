#pragma once

class QLocale;

// Puts the program's texts into a language, in place of any installed by an
// earlier call: English first, for the plural forms its source texts lack
// ("1 parenthesis open"), then the language's own, then Qt's own texts for
// the command line and the standard dialogs where the system has them. The
// language's list of preferred languages is tried in order; where none is
// translated, the texts stay English. The translations come from the folder
// installed beside the program, else from the copy built into it.
void installTranslations(const QLocale &language);

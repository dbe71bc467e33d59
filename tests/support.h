#pragma once

// Shared set-up of the test programs, which CTest runs headless
// (QT_QPA_PLATFORM=offscreen).

#include "core/errors.h"

#include <QLocale>
#include <QTest>

#include <vector>

// For init(): a pinned locale, and a run-time error fails the test.
inline void pinLocaleAndFailOnErrors()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setErrorReporter([](const RuntimeError &e) { QFAIL(qPrintable(e.text())); });
}

// The numbers of the run-time errors reported since recordErrors().
inline std::vector<int> reported;
inline void recordErrors()
{
    reported.clear();
    setErrorReporter([](const RuntimeError &e) { reported.push_back(e.number()); });
}

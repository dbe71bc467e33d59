#pragma once

// Shared set-up of the test programs, which CTest runs headless
// (QT_QPA_PLATFORM=offscreen).

#include "core/errors.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
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

// Settings, data and cache folders of the program's own, made afresh for each
// run and removed after it: never the person's, and never shared with another
// test program running at the same time. Called before the first QSettings.
inline void useFoldersOfItsOwn()
{
    static QTemporaryDir home;
    for (const char *folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(folder, (home.path() + u'/' + QString::fromLatin1(folder)).toLocal8Bit());
}

// Random numbers from a fixed seed, so that a failure replays: a test that
// failed names the seed.
struct SeededRandom : QRandomGenerator
{
    explicit SeededRandom(quint32 seed)
        : QRandomGenerator(seed)
        , seed(seed)
    { }
    ~SeededRandom()
    {
        if (QTest::currentTestFailed())
            qInfo("random numbers from seed %u", seed);
    }
    const quint32 seed;
};

#pragma once

#include <QFont>
#include <QString>

// A font by the name the window was designed with. Where the machine lacks
// it, Qt falls back to a metrically close face of the same kind, so that
// captions still fit the places designed for them.
QFont designFont(const QString &family, qreal points);

#pragma once

#include <QString>

void setClipboardText(const QString &text);

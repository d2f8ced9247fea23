#pragma once
// Dates and times in the regional short-date and long-time forms, as the edit controls show and read them.
#include "grid/foundation/GridTypes.h"
#include "platform/LocaleFormats.h"
#include <QString>

QString FormatShortDate(TDateTime Value);
// Long time, or hour without leading zero and two-digit minutes when not WithSeconds.
QString FormatTimeOfDay(TDateTime Value, bool WithSeconds);
// false when the text is no date (or no time); the value is then left alone.
bool ParseShortDate(const QString& Text, TDateTime& Value);
bool ParseTimeOfDay(const QString& Text, TDateTime& Value);
TDateTime Now();
